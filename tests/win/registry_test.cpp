// The Win32 registry port against the real registry.
#include <gtest/gtest.h>
#include <windows.h>

#include <thread>

#include "platform/settings_store.h"
#include "platform/win32/win32_registry.h"

namespace {

constexpr const char* kTestKey = "SOFTWARE\\VantorelPortTest";

class Registry : public ::testing::Test {
 protected:
  platform::win32::Win32Registry reg;
  void SetUp() override { RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\VantorelPortTest"); }
  void TearDown() override { RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\VantorelPortTest"); }
};

TEST_F(Registry, ValuesKeepTheirTypes) {
  EXPECT_EQ(reg.Open(platform::RegRoot::LocalMachine, kTestKey), nullptr) << "a missing key does not open";
  auto key = reg.Create(platform::RegRoot::LocalMachine, kTestKey);
  ASSERT_NE(key, nullptr);
  ASSERT_TRUE(key->Write("Text", platform::RegValue::Text("S\xC3\xBC" "d 300")));
  ASSERT_TRUE(key->Write("Number", platform::RegValue::DWord(258)));
  auto text = key->Read("text");
  ASSERT_TRUE(text);
  EXPECT_EQ(text->Type, platform::RegType::String);
  EXPECT_EQ(text->Data, "S\xC3\xBC" "d 300");
  EXPECT_EQ(key->Read("Number"), platform::RegValue::DWord(258));
  EXPECT_FALSE(key->Read("Missing"));
}

TEST_F(Registry, NonStringSettingIsAnError) {
  auto key = reg.Create(platform::RegRoot::LocalMachine, "SOFTWARE\\Vantorel");
  ASSERT_TRUE(key->Write("VntPortTestDword", platform::RegValue::DWord(1)));
  platform::SettingsStore store(reg);
  EXPECT_THROW(store.ReadInteger("VntPortTestDword", 0), platform::RegistryError);
  store.WriteInteger("VntPortTestDword", -1);
  EXPECT_EQ(store.ReadInteger("VntPortTestDword", 0), -1);
  RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Vantorel", L"VntPortTestDword");
}

TEST_F(Registry, LastWriteTimeMovesOnWrite) {
  auto key = reg.Create(platform::RegRoot::LocalMachine, kTestKey);
  ASSERT_TRUE(key->Write("A", platform::RegValue::Text("1")));
  platform::FileTime before = key->LastWriteTime();
  EXPECT_NE(before, platform::FileTime{});
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  ASSERT_TRUE(key->Write("A", platform::RegValue::Text("2")));
  auto reopened = reg.Open(platform::RegRoot::LocalMachine, kTestKey);
  EXPECT_NE(reopened->LastWriteTime(), before);
}

}  // namespace
