#pragma once
// The program's settings: string values in one key under the local machine, opened
// anew for each use and closed when the store goes out of scope.
#include <memory>
#include <string>

#include "platform/registry.h"

namespace platform {

class SettingsStore {
 public:
  static constexpr const char* KeyPath = "SOFTWARE\\Vantorel";

  explicit SettingsStore(Registry& registry);

  // Missing key or value gives the default; a value that is not a string throws.
  int ReadInteger(const std::string& name, int fallback);
  bool ReadBool(const std::string& name, bool fallback);
  std::string ReadString(const std::string& name, const std::string& fallback);

  // Creates the key when needed; failures throw.
  void WriteInteger(const std::string& name, int value);
  void WriteBool(const std::string& name, bool value);
  void WriteString(const std::string& name, const std::string& value);

 private:
  std::optional<std::string> ReadText(const std::string& name);
  Registry& registry_;
  std::unique_ptr<RegistryKey> key_;
  bool writable_ = false;
};

}  // namespace platform
