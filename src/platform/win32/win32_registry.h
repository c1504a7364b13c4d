#pragma once
#include "platform/registry.h"

namespace platform::win32 {

// The real registry through advapi32; names and text are UTF-16 at the API.
class Win32Registry : public Registry {
 public:
  std::unique_ptr<RegistryKey> Open(RegRoot root, const std::string& path) override;
  std::unique_ptr<RegistryKey> Create(RegRoot root, const std::string& path) override;
};

}  // namespace platform::win32
