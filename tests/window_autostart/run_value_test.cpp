#include "window/autostart/run_value.h"

#include <gtest/gtest.h>

namespace {

TEST(RunValueFor, TheDataStartsTheQuotedPathResident) {
  const DateWin::TRunValue value = DateWin::RunValueFor(L"D:\\tools\\calendar.exe");
  EXPECT_EQ(value.Name, L"calendar.exe");
  EXPECT_EQ(value.Data, L"\"D:\\tools\\calendar.exe\" --autostart");
}

TEST(RunValueFor, APathWithABlankIsQuotedSoWindowsCannotStartAnotherProgram) {
  const DateWin::TRunValue value = DateWin::RunValueFor(L"C:\\Program Files\\Rilvanta\\my calendar.exe");
  EXPECT_EQ(value.Name, L"my calendar.exe");
  EXPECT_EQ(value.Data, L"\"C:\\Program Files\\Rilvanta\\my calendar.exe\" --autostart");
}

TEST(RunValueFor, TheNameIsWhatFollowsTheLastSeparator) {
  EXPECT_EQ(DateWin::RunValueFor(L"Z:/work/build/rilvanta.exe").Name, L"rilvanta.exe");
  EXPECT_EQ(DateWin::RunValueFor(L"\\\\server\\share\\cal.exe").Name, L"cal.exe");
  EXPECT_EQ(DateWin::RunValueFor(L"rilvanta.exe").Name, L"rilvanta.exe");
}

// 乗 and 筡 end in the byte of "\" in GBK, and ก (Thai) has no GBK form at all:
// the path is taken as the system reports it, character by character.
TEST(RunValueFor, CharactersAreKeptWhateverTheirGbkForm) {
  const std::wstring path = L"D:\\日历\\乗筡\u0e01.exe";
  const DateWin::TRunValue value = DateWin::RunValueFor(path);
  EXPECT_EQ(value.Name, L"乗筡\u0e01.exe");
  EXPECT_EQ(value.Data, L"\"" + path + L"\" --autostart");
}

}  // namespace
