#pragma once
// An in-memory registry for tests: value types, case-insensitive names, last-write
// times from a settable clock, and keys that refuse access or writes.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace platform {

class MemoryRegistry : public Registry {
 public:
  struct Key {
    std::map<std::string, std::pair<std::string, RegValue>> values;  // lower-case name -> (name, value)
    FileTime lastWrite;
  };

  FileTime Clock{1, 0};     // the time stamped on the next write
  std::set<std::string> Denied;    // lower-case "root\path" that cannot be opened or created
  std::set<std::string> ReadOnly;  // keys whose values cannot be set
  std::vector<std::string> Writes;  // "name=text" of every value set, in order

  std::unique_ptr<RegistryKey> Open(RegRoot root, const std::string& path) override;
  std::unique_ptr<RegistryKey> Create(RegRoot root, const std::string& path) override;

  // Direct access for arranging and checking a test.
  void Set(RegRoot root, const std::string& path, const std::string& name, const RegValue& value);
  std::optional<RegValue> Get(RegRoot root, const std::string& path, const std::string& name) const;
  bool HasKey(RegRoot root, const std::string& path) const;
  Key* Find(RegRoot root, const std::string& path) { return FindById(Id(root, path)); }
  Key* FindById(const std::string& id);
  static std::string Id(RegRoot root, const std::string& path);

 private:
  std::map<std::string, Key> keys_;
};

}  // namespace platform
