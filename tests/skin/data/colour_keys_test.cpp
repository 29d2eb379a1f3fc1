#include "skin/data/colour_keys.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

TEST(ColourText, AnyNonDigitSeparatesTheComponents) {
  const TColour expected = RgbColour(210, 232, 249);
  for (const char* text :
       {"210 232 249", "210,232,249", "210;232;249", "  210 , 232 ,249\t", "x210y232z249", "210,,232;;249",
        "\x01"
        "210 232 249\x1F"}) {
    EXPECT_EQ(ParseColourText(text), expected) << text;
  }
}

TEST(ColourText, RedIsTheLowByteAndComponentsWrapAt256) {
  EXPECT_EQ(ParseColourText("255 0 0"), 0x0000FFu);
  EXPECT_EQ(ParseColourText("0 0 255"), 0xFF0000u);
  EXPECT_EQ(ParseColourText("300 0 0"), RgbColour(44, 0, 0));
  // Far more digits than any integer holds still give the number modulo 256.
  EXPECT_EQ(ParseColourText("100000000000000000001 256 513"), RgbColour(1, 0, 1));
}

TEST(ColourText, ANumberOpenAtTheEndCountsOnlyAsTheThird) {
  EXPECT_EQ(ParseColourText("10 20"), RgbColour(10, 0, 0));
  EXPECT_EQ(ParseColourText("10 20 "), RgbColour(10, 0, 0));  // trailing blanks go before the scan
  EXPECT_EQ(ParseColourText("10 20,"), RgbColour(10, 20, 0));
  EXPECT_EQ(ParseColourText("7"), RgbColour(0, 0, 0));
  EXPECT_EQ(ParseColourText("1 2 3 4 5"), RgbColour(1, 2, 3));
  EXPECT_EQ(ParseColourText("1 2 3 4,"), RgbColour(1, 2, 3));
}

TEST(ColourText, TextWithoutDigitsIsBlack) {
  EXPECT_EQ(ParseColourText("red"), 0u);
  EXPECT_EQ(ParseColourText("\x05"), 0u);
}

TEST(ColourKey, MissingOrEmptyKeyGivesTheDefault) {
  const TIniText ini("[Colours]\nMenu=\nBlank=   \nFace=1 2 3\nDark=none\n");
  EXPECT_EQ(ReadColourKey(ini, "Colours", "Menu", SystemColour(4)), SystemColour(4));
  EXPECT_EQ(ReadColourKey(ini, "Colours", "Blank", SystemColour(4)), SystemColour(4));
  EXPECT_EQ(ReadColourKey(ini, "Colours", "Missing", SystemColour(8)), SystemColour(8));
  EXPECT_EQ(ReadColourKey(ini, "colours", "FACE", 0), RgbColour(1, 2, 3));
  EXPECT_EQ(ReadColourKey(ini, "Colours", "Dark", SystemColour(8)), 0u);
}

TEST(RgbKeys, ColourChangesOnlyWhenAllThreeKeysAreNumbersOfZeroOrMore) {
  const TIniText ini(
      "[P]\nActiveTextR=255\nActiveTextG=0x80\nActiveTextB=300\n"
      "HalfR=1\nHalfG=2\n"
      "NegR=1\nNegG=-2\nNegB=3\n"
      "zeroR=0\nzeroG=0\nzeroB=0\n");
  TColour colour = 0x1FFFFFFF;
  ReadRGBKeys(ini, "P", "ActiveText", colour);
  EXPECT_EQ(colour, RgbColour(255, 128, 44));

  for (const char* prefix : {"Half", "Neg", "Missing"}) {
    colour = 0x1FFFFFFF;
    ReadRGBKeys(ini, "P", prefix, colour);
    EXPECT_EQ(colour, 0x1FFFFFFFu) << prefix;
  }
  ReadRGBKeys(ini, "P", "Zero", colour);
  EXPECT_EQ(colour, 0u);
}

}  // namespace
}  // namespace skin
