#include "platform/settings_store.h"

#include "platform/intconv.h"

namespace platform {

SettingsStore::SettingsStore(Registry& registry) : registry_(registry) {
  key_ = registry_.Open(RegRoot::LocalMachine, KeyPath);
  writable_ = key_ != nullptr;
}

std::optional<std::string> SettingsStore::ReadText(const std::string& name) {
  if (!key_) return std::nullopt;
  auto value = key_->Read(name);
  if (!value) return std::nullopt;
  if (value->Type != RegType::String && value->Type != RegType::ExpandString)
    throw RegistryError("Invalid data type for '" + name + "'");
  std::string text = value->Data;
  if (auto zero = text.find('\0'); zero != std::string::npos) text.resize(zero);
  return text;
}

int SettingsStore::ReadInteger(const std::string& name, int fallback) {
  auto text = ReadText(name);
  if (!text || text->empty()) return fallback;
  return ParseIntegerOr(*text, fallback);
}

bool SettingsStore::ReadBool(const std::string& name, bool fallback) {
  return ReadInteger(name, fallback ? 1 : 0) != 0;
}

std::string SettingsStore::ReadString(const std::string& name, const std::string& fallback) {
  return ReadText(name).value_or(fallback);
}

void SettingsStore::WriteString(const std::string& name, const std::string& value) {
  if (!writable_) {
    key_ = registry_.Create(RegRoot::LocalMachine, KeyPath);
    if (!key_) throw RegistryError(std::string("Failed to create key ") + KeyPath);
    writable_ = true;
  }
  if (!key_->Write(name, RegValue::Text(value))) throw RegistryError("Failed to set data for '" + name + "'");
}

void SettingsStore::WriteInteger(const std::string& name, int value) { WriteString(name, std::to_string(value)); }

void SettingsStore::WriteBool(const std::string& name, bool value) { WriteString(name, value ? "1" : "0"); }

}  // namespace platform
