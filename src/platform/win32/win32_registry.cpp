#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <vector>

#include "platform/win32/wide.h"

namespace platform::win32 {
namespace {

HKEY RootKey(RegRoot root) { return root == RegRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

RegType TypeOf(DWORD type) {
  switch (type) {
    case REG_SZ: return RegType::String;
    case REG_EXPAND_SZ: return RegType::ExpandString;
    case REG_DWORD: return RegType::DWord;
    case REG_BINARY: return RegType::Binary;
    case REG_MULTI_SZ: return RegType::MultiString;
    default: return RegType::Other;
  }
}

DWORD NativeType(RegType type) {
  switch (type) {
    case RegType::String: return REG_SZ;
    case RegType::ExpandString: return REG_EXPAND_SZ;
    case RegType::DWord: return REG_DWORD;
    case RegType::MultiString: return REG_MULTI_SZ;
    default: return REG_BINARY;
  }
}

bool IsText(RegType t) { return t == RegType::String || t == RegType::ExpandString || t == RegType::MultiString; }

class Win32Key : public RegistryKey {
 public:
  explicit Win32Key(HKEY key) : key_(key) {}
  ~Win32Key() override { RegCloseKey(key_); }

  std::optional<RegValue> Read(const std::string& name) override {
    std::wstring wname = Widen(name);
    DWORD type = 0, size = 0;
    if (RegQueryValueExW(key_, wname.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
    std::vector<BYTE> data(size + sizeof(wchar_t));
    if (RegQueryValueExW(key_, wname.c_str(), nullptr, &type, data.data(), &size) != ERROR_SUCCESS)
      return std::nullopt;
    RegValue value{TypeOf(type), {}};
    if (IsText(value.Type)) {
      const auto* text = reinterpret_cast<const wchar_t*>(data.data());
      size_t chars = size / sizeof(wchar_t);
      while (chars > 0 && text[chars - 1] == L'\0' && value.Type != RegType::MultiString) --chars;
      value.Data = Narrow(text, chars);
    } else {
      value.Data.assign(reinterpret_cast<const char*>(data.data()), size);
    }
    return value;
  }

  bool Write(const std::string& name, const RegValue& value) override {
    std::wstring wname = Widen(name);
    if (IsText(value.Type)) {
      // The text's characters without a terminating zero, as the program has always stored them.
      std::wstring text = Widen(value.Data);
      return RegSetValueExW(key_, wname.c_str(), 0, NativeType(value.Type), reinterpret_cast<const BYTE*>(text.data()),
                            static_cast<DWORD>(text.size() * sizeof(wchar_t))) == ERROR_SUCCESS;
    }
    return RegSetValueExW(key_, wname.c_str(), 0, NativeType(value.Type),
                          reinterpret_cast<const BYTE*>(value.Data.data()),
                          static_cast<DWORD>(value.Data.size())) == ERROR_SUCCESS;
  }

  FileTime LastWriteTime() override {
    FILETIME t{};
    if (RegQueryInfoKeyW(key_, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         nullptr, &t) != ERROR_SUCCESS)
      throw RegistryError("Failed to get information about the key");
    return {t.dwLowDateTime, t.dwHighDateTime};
  }

  void Flush() override { RegFlushKey(key_); }

 private:
  HKEY key_;
};

}  // namespace

std::unique_ptr<RegistryKey> Win32Registry::Open(RegRoot root, const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(RootKey(root), Widen(path).c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return nullptr;
  return std::make_unique<Win32Key>(key);
}

std::unique_ptr<RegistryKey> Win32Registry::Create(RegRoot root, const std::string& path) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(RootKey(root), Widen(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                      &key, nullptr) != ERROR_SUCCESS)
    return nullptr;
  return std::make_unique<Win32Key>(key);
}

}  // namespace platform::win32
