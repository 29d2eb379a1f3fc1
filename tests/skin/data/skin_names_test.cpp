#include "skin/data/skin_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using skin::SplitNameLines;
using TNames = std::vector<std::string>;

TEST(SkinNames, EveryKindOfLineBreakEndsAName) {
  EXPECT_EQ(SplitNameLines("a.bmp\r\nb.bmp\r\n"), (TNames{"a.bmp", "b.bmp"}));
  EXPECT_EQ(SplitNameLines("a\rb\nc"), (TNames{"a", "b", "c"}));
  // LF then CR is two breaks, CR then LF is one.
  EXPECT_EQ(SplitNameLines("a\n\rb"), (TNames{"a", "", "b"}));
}

TEST(SkinNames, EmptyLinesAreNamesButAFinalBreakIsNot) {
  EXPECT_EQ(SplitNameLines(""), TNames{});
  EXPECT_EQ(SplitNameLines("\r\n"), (TNames{""}));
  EXPECT_EQ(SplitNameLines("a\r\n\r\nb\r\n"), (TNames{"a", "", "b"}));
  EXPECT_EQ(SplitNameLines("a\r\r"), (TNames{"a", ""}));
}

TEST(SkinNames, ZeroByteEndsTheText) {
  EXPECT_EQ(SplitNameLines(std::string("a\r\nb\0c\r\nd", 9)), (TNames{"a", "b"}));
  EXPECT_EQ(SplitNameLines(std::string("\0a", 2)), TNames{});
}

TEST(SkinNames, OnlyTheLettersAToZAreLowered) {
  EXPECT_EQ(skin::LowerAsciiLetters("@AZ[`az{"), "@az[`az{");
  // Trail bytes of double-byte characters in the A-Z range are lowered too.
  EXPECT_EQ(skin::LowerAsciiLetters("\xB0\x41\xC1\xDA"), "\xB0\x61\xC1\xDA");
}

TEST(SkinNames, JoinedNamesSplitBackUnchanged) {
  const TNames names = {"left.bmp", "", "Settings.ini"};
  EXPECT_EQ(skin::JoinNameLines(names), "left.bmp\r\n\r\nSettings.ini\r\n");
  EXPECT_EQ(SplitNameLines(skin::JoinNameLines(names)), names);
}

}  // namespace
