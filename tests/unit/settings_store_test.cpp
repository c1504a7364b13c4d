#include "platform/settings_store.h"

#include <gtest/gtest.h>

#include "platform/intconv.h"
#include "platform/memory_registry.h"

using namespace platform;

namespace {

constexpr auto kKey = SettingsStore::KeyPath;

struct IntCase {
  const char* stored;
  int expected;
};

class ReadIntegerTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(ReadIntegerTest, ConvertsLikeThePlatform) {
  MemoryRegistry reg;
  reg.Set(RegRoot::LocalMachine, kKey, "WindowWidth", RegValue::Text(GetParam().stored));
  SettingsStore store(reg);
  EXPECT_EQ(store.ReadInteger("WindowWidth", 203), GetParam().expected) << "stored: '" << GetParam().stored << "'";
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadIntegerTest,
                         ::testing::Values(IntCase{"300", 300}, IntCase{" 300", 300}, IntCase{"abc", 203},
                                           IntCase{"", 203}, IntCase{"300 ", 203}, IntCase{"-5", -5},
                                           IntCase{"+7", 7}, IntCase{"$1F", 31}, IntCase{"0x10", 16},
                                           IntCase{"-$10", -16}, IntCase{"2147483647", 2147483647},
                                           IntCase{"-2147483648", INT32_MIN}, IntCase{"2147483648", 203},
                                           IntCase{"-2147483649", 203}, IntCase{"$FFFFFFFF", -1},
                                           IntCase{"$100000000", 203}, IntCase{"$", 203}, IntCase{"-", 203},
                                           IntCase{"1e3", 203}, IntCase{"  ", 203}));

TEST(SettingsStore, MissingKeyGivesDefaultsAndFirstWriteCreatesIt) {
  MemoryRegistry reg;
  {
    SettingsStore store(reg);
    EXPECT_EQ(store.ReadInteger("WindowTop", 108), 108);
    EXPECT_TRUE(store.ReadBool("ServerStarcraft", true));
    EXPECT_EQ(store.ReadString("LastFile", "bnet.vnt"), "bnet.vnt");
    EXPECT_FALSE(reg.HasKey(RegRoot::LocalMachine, kKey));
    store.WriteInteger("WindowTop", -12);
    store.WriteBool("ServerAutoConnect", true);
    store.WriteString("LastFile", "C:\\lists\\x.vnt");
  }
  EXPECT_EQ(reg.Get(RegRoot::LocalMachine, kKey, "WindowTop"), RegValue::Text("-12"));
  EXPECT_EQ(reg.Get(RegRoot::LocalMachine, kKey, "ServerAutoConnect"), RegValue::Text("1"));
  EXPECT_EQ(reg.Get(RegRoot::LocalMachine, kKey, "LastFile"), RegValue::Text("C:\\lists\\x.vnt"));
}

TEST(SettingsStore, StringsAndBooleans) {
  MemoryRegistry reg;
  reg.Set(RegRoot::LocalMachine, kKey, "LastFile", RegValue::Text(""));
  reg.Set(RegRoot::LocalMachine, kKey, "Cut", RegValue::Text(std::string("ab\0cd", 5)));
  reg.Set(RegRoot::LocalMachine, kKey, "Expand", {RegType::ExpandString, "%TEMP%"});
  for (auto [text, expected] : {std::pair{"2", true}, {"-1", true}, {"0", false}, {"no", false}, {"", true}}) {
    reg.Set(RegRoot::LocalMachine, kKey, "ServerAutoConnect", RegValue::Text(text));
    SettingsStore store(reg);
    EXPECT_EQ(store.ReadBool("ServerAutoConnect", text[0] == '\0'), expected) << text;
  }
  SettingsStore store(reg);
  EXPECT_EQ(store.ReadString("LastFile", "bnet.vnt"), "") << "an empty value is kept, not replaced";
  EXPECT_EQ(store.ReadString("Cut", ""), "ab");
  EXPECT_EQ(store.ReadString("Expand", ""), "%TEMP%");
}

TEST(SettingsStore, NonStringValueIsAnError) {
  MemoryRegistry reg;
  reg.Set(RegRoot::LocalMachine, kKey, "SortMethod", RegValue::DWord(2));
  SettingsStore store(reg);
  try {
    store.ReadInteger("SortMethod", 2);
    FAIL() << "no error";
  } catch (const RegistryError& e) {
    EXPECT_STREQ(e.what(), "Invalid data type for 'SortMethod'");
  }
  EXPECT_THROW(store.ReadString("SortMethod", ""), RegistryError);
}

TEST(SettingsStore, WriteFailuresAreErrors) {
  MemoryRegistry reg;
  reg.Denied.insert(MemoryRegistry::Id(RegRoot::LocalMachine, kKey));
  {
    SettingsStore store(reg);
    EXPECT_EQ(store.ReadInteger("WindowTop", 108), 108) << "a key that cannot be opened reads as defaults";
    try {
      store.WriteInteger("WindowTop", 1);
      FAIL();
    } catch (const RegistryError& e) {
      EXPECT_STREQ(e.what(), "Failed to create key SOFTWARE\\Vantorel");
    }
  }
  reg.Denied.clear();
  reg.Set(RegRoot::LocalMachine, kKey, "WindowTop", RegValue::Text("5"));
  reg.ReadOnly.insert(MemoryRegistry::Id(RegRoot::LocalMachine, kKey));
  SettingsStore store(reg);
  try {
    store.WriteString("LastFile", "x");
    FAIL();
  } catch (const RegistryError& e) {
    EXPECT_STREQ(e.what(), "Failed to set data for 'LastFile'");
  }
}

TEST(SettingsStore, WritingReplacesAValueOfAnotherType) {
  MemoryRegistry reg;
  reg.Set(RegRoot::LocalMachine, kKey, "SortMethod", RegValue::DWord(2));
  SettingsStore(reg).WriteInteger("SortMethod", 3);
  EXPECT_EQ(SettingsStore(reg).ReadInteger("SortMethod", 2), 3);
}

TEST(SettingsStore, StampHalfWithAllBitsSetRoundTrips) {
  MemoryRegistry reg;
  uint32_t half = 0xFFFFFFFFu;
  SettingsStore(reg).WriteInteger("LastServerListUpdateTimeLow", static_cast<int32_t>(half));
  EXPECT_EQ(reg.Get(RegRoot::LocalMachine, kKey, "LastServerListUpdateTimeLow"), RegValue::Text("-1"));
  EXPECT_EQ(static_cast<uint32_t>(SettingsStore(reg).ReadInteger("LastServerListUpdateTimeLow", 0)), half);
  SettingsStore(reg).WriteInteger("LastServerListUpdateTimeHigh", static_cast<int32_t>(0x80000000u));
  EXPECT_EQ(reg.Get(RegRoot::LocalMachine, kKey, "LastServerListUpdateTimeHigh"), RegValue::Text("-2147483648"));
}

}  // namespace
