#include "platform/memory_registry.h"

#include <algorithm>
#include <cctype>

namespace platform {
namespace {

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

class MemoryKey : public RegistryKey {
 public:
  MemoryKey(MemoryRegistry& reg, std::string id) : reg_(reg), id_(std::move(id)) {}
  std::optional<RegValue> Read(const std::string& name) override {
    auto& values = Key().values;
    auto it = values.find(Lower(name));
    if (it == values.end()) return std::nullopt;
    return it->second.second;
  }
  bool Write(const std::string& name, const RegValue& value) override {
    if (reg_.ReadOnly.count(id_)) return false;
    Key().values[Lower(name)] = {name, value};
    Key().lastWrite = reg_.Clock;
    reg_.Writes.push_back(name + "=" + value.Data);
    return true;
  }
  FileTime LastWriteTime() override { return Key().lastWrite; }
  void Flush() override {}

 private:
  MemoryRegistry::Key& Key() { return *reg_.FindById(id_); }
  MemoryRegistry& reg_;
  std::string id_;
};

}  // namespace

std::string MemoryRegistry::Id(RegRoot root, const std::string& path) {
  return Lower((root == RegRoot::LocalMachine ? "HKLM\\" : "HKCU\\") + path);
}

MemoryRegistry::Key* MemoryRegistry::FindById(const std::string& id) {
  auto it = keys_.find(id);
  return it == keys_.end() ? nullptr : &it->second;
}

std::unique_ptr<RegistryKey> MemoryRegistry::Open(RegRoot root, const std::string& path) {
  std::string id = Id(root, path);
  if (Denied.count(id) || !keys_.count(id)) return nullptr;
  return std::make_unique<MemoryKey>(*this, id);
}

std::unique_ptr<RegistryKey> MemoryRegistry::Create(RegRoot root, const std::string& path) {
  std::string id = Id(root, path);
  if (Denied.count(id)) return nullptr;
  if (!keys_.count(id)) keys_[id].lastWrite = Clock;
  return std::make_unique<MemoryKey>(*this, id);
}

void MemoryRegistry::Set(RegRoot root, const std::string& path, const std::string& name, const RegValue& value) {
  Key& key = keys_[Id(root, path)];
  key.values[Lower(name)] = {name, value};
  key.lastWrite = Clock;
}

std::optional<RegValue> MemoryRegistry::Get(RegRoot root, const std::string& path, const std::string& name) const {
  auto k = keys_.find(Id(root, path));
  if (k == keys_.end()) return std::nullopt;
  auto v = k->second.values.find(Lower(name));
  if (v == k->second.values.end()) return std::nullopt;
  return v->second.second;
}

bool MemoryRegistry::HasKey(RegRoot root, const std::string& path) const { return keys_.count(Id(root, path)) > 0; }

}  // namespace platform
