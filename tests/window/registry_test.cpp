// The registry wrapper against Wine's real registry.
#include <gtest/gtest.h>

#include "window/registry.h"

namespace {

constexpr char kKey[] = "Software\\RilvantaUiTest";

class Registry : public ::testing::Test {
 protected:
  void TearDown() override {
    registry.CloseKey();
    registry.DeleteKey(kKey);
  }
  DateWin::TRegistry registry;
};

TEST_F(Registry, WritesAndReadsGbkStringsAndIntegers) {
  ASSERT_TRUE(registry.OpenKey(kKey, true));
  const std::string path = "C:\\\xC8\xED\xBC\xFE\\rilvanta.exe";  // 软件
  registry.WriteString("rilvanta.exe", path);
  registry.WriteInteger("Count", -7);
  registry.CloseKey();

  DateWin::TRegistry reader(KEY_READ);
  ASSERT_TRUE(reader.OpenKeyReadOnly(kKey));
  EXPECT_TRUE(reader.ValueExists("rilvanta.exe"));
  EXPECT_EQ(reader.ReadString("rilvanta.exe"), path);
  EXPECT_EQ(reader.ReadInteger("Count"), -7);
  EXPECT_EQ(reader.ReadString("missing"), "");
  EXPECT_THROW(reader.ReadInteger("rilvanta.exe"), DateWin::ERegistryException);
}

TEST_F(Registry, MissingKeyIsNotOpenedWithoutCreate) {
  EXPECT_FALSE(registry.OpenKey("Software\\RilvantaUiTest\\Absent", false));
  EXPECT_EQ(registry.CurrentKey(), nullptr);
}

TEST_F(Registry, RefusedWriteThrowsWithTheValueName) {
  ASSERT_TRUE(registry.OpenKey(kKey, true));
  registry.CloseKey();
  DateWin::TRegistry reader(KEY_READ);
  ASSERT_TRUE(reader.OpenKey(kKey, false));
  try {
    reader.WriteString("rilvanta.exe", "x");
    FAIL() << "a read-only key accepted a write";
  } catch (const DateWin::ERegistryException& error) {
    EXPECT_STREQ(error.what(), "Failed to set data for 'rilvanta.exe'");
  }
}

TEST_F(Registry, DeletedValueIsGone) {
  ASSERT_TRUE(registry.OpenKey(kKey, true));
  registry.WriteString("v", "1");
  EXPECT_TRUE(registry.DeleteValue("v"));
  EXPECT_FALSE(registry.ValueExists("v"));
  EXPECT_FALSE(registry.DeleteValue("v"));
}

}  // namespace
