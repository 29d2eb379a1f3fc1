#include "text/gbk_search.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// "\x95\x5C" is one Chinese character whose second byte is the code of '\'.
const std::string kTrailBackslash = "\x95\x5C";

TEST(GbkSearch, FindsTheLastOfTheCharactersAsked) {
  EXPECT_EQ(text::FindLastGbkOf("a\\b/c\\d", "\\/"), 5u);
  EXPECT_EQ(text::FindLastGbkOf("a\\b/c", "/"), 3u);
  EXPECT_EQ(text::FindLastGbkOf("abc", "\\/"), std::string_view::npos);
  EXPECT_EQ(text::FindLastGbkOf("", "."), std::string_view::npos);
}

TEST(GbkSearch, TheSecondByteOfAChineseCharacterIsNoMatch) {
  const std::string path = "C:\\" + kTrailBackslash + "dir" + kTrailBackslash;
  EXPECT_EQ(text::FindLastGbkOf(path, "\\"), 2u);
  EXPECT_EQ(text::GbkAfterLast(path, "\\"), kTrailBackslash + "dir" + kTrailBackslash);
  // A lead byte cut off at the end skips past it without reading further.
  EXPECT_EQ(text::FindLastGbkOf(std::string("a.b\x95"), "."), 1u);
}

TEST(GbkSearch, AfterLastIsAllOfATextWithoutSeparators) {
  EXPECT_EQ(text::GbkAfterLast("rilvanta.exe", "\\/"), "rilvanta.exe");
  EXPECT_EQ(text::GbkAfterLast("D:\\tools\\", "\\"), "");
  EXPECT_EQ(text::GbkAfterLast("skin:day.bmp", "\\:"), "day.bmp");
}

}  // namespace
