// The INI-file wrapper against real files.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <fstream>

#include "ui/ini_file.h"

namespace {

class IniFile : public ::testing::Test {
 protected:
  void SetUp() override {
    char directory[MAX_PATH];
    GetTempPathA(MAX_PATH, directory);
    path = std::string(directory) + "rilvanta_ui_test.ini";
    std::remove(path.c_str());
  }
  void TearDown() override { std::remove(path.c_str()); }
  void WriteRaw(const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
  std::string path;
};

TEST_F(IniFile, ReadsARawGbkSettingsTextWithCaseFreeNamesInFileOrder) {
  WriteRaw("[Personality]\r\nBitmap=frame.bmp\r\nTitle=\xC8\xD5\xC0\xFA\r\n[Buttons]\r\nTrans=1\r\n[Colours]\r\n");
  const ui::TIniFile ini(path);
  EXPECT_EQ(ini.ReadString("personality", "BITMAP", "none"), "frame.bmp");
  EXPECT_EQ(ini.ReadString("Personality", "Title", ""), "\xC8\xD5\xC0\xFA");  // 日历
  EXPECT_EQ(ini.ReadString("Personality", "Missing", "none"), "none");
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"Personality", "Buttons", "Colours"}));
  EXPECT_EQ(ini.ReadSection("Personality"), (std::vector<std::string>{"Bitmap", "Title"}));
  EXPECT_TRUE(ini.SectionExists("colours"));
  EXPECT_FALSE(ini.SectionExists("Menu"));
  EXPECT_TRUE(ini.ValueExists("Buttons", "trans"));
}

TEST_F(IniFile, LongValuesAreCutAt2047Characters) {
  WriteRaw("[S]\r\nK=" + std::string(3000, 'x') + "\r\n");
  EXPECT_EQ(ui::TIniFile(path).ReadString("S", "K", "").size(), 2047u);
}

TEST_F(IniFile, IntegersAreDecimalOrHexAfter0xAndAnythingElseGivesTheDefault) {
  WriteRaw("[S]\r\nDec=-12\r\nHex=0x1F\r\nBig=0XFFFFFFFF\r\nBare=0x\r\nWord=abc\r\nTail=12px\r\n");
  const ui::TIniFile ini(path);
  EXPECT_EQ(ini.ReadInteger("S", "Dec", 5), -12);
  EXPECT_EQ(ini.ReadInteger("S", "Hex", 5), 31);
  EXPECT_EQ(ini.ReadInteger("S", "Big", 5), -1);
  EXPECT_EQ(ini.ReadInteger("S", "Bare", 5), 5);
  EXPECT_EQ(ini.ReadInteger("S", "Word", 5), 5);
  EXPECT_EQ(ini.ReadInteger("S", "Tail", 5), 5);
  EXPECT_EQ(ini.ReadInteger("S", "Missing", 5), 5);
  EXPECT_EQ(ui::ParseIniInteger("0x100000000", 5), 5) << "beyond 32 bits";
  EXPECT_EQ(ui::ParseIniInteger("99999999999", 5), 5);
  EXPECT_EQ(ui::ParseIniInteger("0x-1", 5), 5);
}

TEST_F(IniFile, WrittenValuesReadBackAndCanBeDeleted) {
  ui::TIniFile ini(path);
  ini.WriteString("Skin", "Name", "\xC9\xAB\xB2\xCA");  // 色彩
  ini.WriteInteger("Skin", "Count", 42);
  ini.WriteBool("Skin", "On", true);
  EXPECT_EQ(ini.ReadString("Skin", "Name", ""), "\xC9\xAB\xB2\xCA");
  EXPECT_EQ(ini.ReadInteger("Skin", "Count", 0), 42);
  EXPECT_TRUE(ini.ReadBool("Skin", "On", false));
  ini.DeleteKey("Skin", "Count");
  EXPECT_FALSE(ini.ValueExists("Skin", "Count"));
  ini.EraseSection("Skin");
  EXPECT_FALSE(ini.SectionExists("Skin"));
}

TEST_F(IniFile, UnwritableFileThrows) {
  ui::TIniFile ini(path + "\\no\\such\\folder\\x.ini");
  EXPECT_THROW(ini.WriteString("S", "K", "V"), ui::EIniFileException);
}

}  // namespace
