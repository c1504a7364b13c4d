#pragma once
// The registry port: keys under a root, typed values, the key's last-write time.
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace platform {

enum class RegRoot { LocalMachine, CurrentUser };
enum class RegType { String, ExpandString, DWord, Binary, MultiString, Other };

struct RegValue {
  RegType Type = RegType::String;
  std::string Data;  // UTF-8 text for the string types, raw bytes otherwise
  static RegValue Text(std::string s) { return {RegType::String, std::move(s)}; }
  static RegValue DWord(uint32_t v);
  bool operator==(const RegValue&) const = default;
};

// A 64-bit file time as two halves, as the system hands it out.
struct FileTime {
  uint32_t Low = 0, High = 0;
  bool operator==(const FileTime&) const = default;
};

// An error of the registry layer; the application's exception report shows it.
class RegistryError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class RegistryKey {
 public:
  virtual ~RegistryKey() = default;
  virtual std::optional<RegValue> Read(const std::string& name) = 0;
  // False when the value cannot be set.
  virtual bool Write(const std::string& name, const RegValue& value) = 0;
  virtual FileTime LastWriteTime() = 0;
  virtual void Flush() = 0;
};

class Registry {
 public:
  virtual ~Registry() = default;
  // Opens an existing key with full access; null when it is missing or access is denied.
  virtual std::unique_ptr<RegistryKey> Open(RegRoot root, const std::string& path) = 0;
  // Opens or creates a key; null when that fails.
  virtual std::unique_ptr<RegistryKey> Create(RegRoot root, const std::string& path) = 0;
};

}  // namespace platform
