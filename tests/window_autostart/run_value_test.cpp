#include "window/autostart/run_value.h"

#include <gtest/gtest.h>

#include "text/gbk.h"

namespace {

TEST(RunValueFor, APathWithoutBlanksIsTheDataAsItIs) {
  const DateWin::RunValue value = DateWin::RunValueFor("D:\\tools\\calendar.exe");
  EXPECT_EQ(value.name, "calendar.exe");
  EXPECT_EQ(value.data, "D:\\tools\\calendar.exe");
}

TEST(RunValueFor, APathWithABlankIsQuotedSoWindowsCannotStartAnotherProgram) {
  const DateWin::RunValue value = DateWin::RunValueFor("C:\\Program Files\\Rilvanta\\my calendar.exe");
  EXPECT_EQ(value.name, "my calendar.exe");
  EXPECT_EQ(value.data, "\"C:\\Program Files\\Rilvanta\\my calendar.exe\"");
}

TEST(RunValueFor, TheNameIsWhatFollowsTheLastSeparator) {
  EXPECT_EQ(DateWin::RunValueFor("Z:/work/build/rilvanta.exe").name, "rilvanta.exe");
  EXPECT_EQ(DateWin::RunValueFor("\\\\server\\share\\cal.exe").name, "cal.exe");
  EXPECT_EQ(DateWin::RunValueFor("rilvanta.exe").name, "rilvanta.exe");
}

TEST(RunValueFor, ASecondGbkByteThatLooksLikeABackslashIsPartOfTheName) {
  // 乗 and 筡 end in the byte of "\".
  const std::string path = text::Utf8ToGbk("D:\\日历\\乗筡.exe");
  ASSERT_EQ(path[path.size() - 5], '\\');
  const DateWin::RunValue value = DateWin::RunValueFor(path);
  EXPECT_EQ(text::GbkToUtf8(value.name), "乗筡.exe");
  EXPECT_EQ(value.data, path);
}

}  // namespace
