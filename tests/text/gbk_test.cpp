#include "text/gbk.h"

#include <gtest/gtest.h>

TEST(Gbk, ChineseCharactersTakeTwoBytesAndRoundTrip) {
  const std::string gbk = text::Utf8ToGbk("正月初一");
  EXPECT_EQ(gbk, "\xD5\xFD\xD4\xC2\xB3\xF5\xD2\xBB");
  EXPECT_EQ(text::GbkToUtf8(gbk), "正月初一");
}

TEST(Gbk, AsciiPassesUnchanged) {
  EXPECT_EQ(text::Utf8ToGbk("Rilvanta 2024"), "Rilvanta 2024");
  EXPECT_EQ(text::GbkToUtf8(""), "");
}

TEST(Gbk, CutCharacterIsReplacedNotDropped) {
  const std::string utf8 = text::GbkToUtf8(std::string("\xD5\xFD") + "\xD4");
  EXPECT_EQ(utf8.substr(0, 3), "正");
  EXPECT_GT(utf8.size(), 3u);
}

TEST(Gbk, Utf16TextsBecomeGbkAndACharacterWithoutAGbkFormOneQuestionMark) {
  EXPECT_EQ(text::Utf16ToGbk(u"\u6B63\u6708 ok"), "\xD5\xFD\xD4\xC2 ok");
  EXPECT_EQ(text::Utf16ToGbk(u"a\u0E01b"), "a?b");
  EXPECT_EQ(text::Utf8ToGbk("a\u0E01b"), "a?b");
}

#ifdef _WIN32
TEST(Gbk, WideTextsBecomeUtf8) {
  EXPECT_EQ(text::WideToUtf8(L"\u6B63\u6708 2024"), "正月 2024");
  EXPECT_EQ(text::WideToUtf8(L""), "");
}
#endif
