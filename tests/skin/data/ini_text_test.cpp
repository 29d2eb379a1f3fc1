#include "skin/data/ini_text.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

TEST(IniText, SectionAndKeyNamesCompareWithoutCase) {
  const TIniText ini("[Personality]\r\nLeftFrame=2\r\n[COLOURS]\r\nbuttonface=1 2 3\r\n");
  EXPECT_EQ(ini.ReadInteger("personality", "LEFTFRAME", 0), 2);
  EXPECT_EQ(ini.ReadString("Colours", "ButtonFace", ""), "1 2 3");
  EXPECT_EQ(ini.ReadString("Colours", "Missing", "fallback"), "fallback");
  EXPECT_EQ(ini.ReadString("Missing", "ButtonFace", "fallback"), "fallback");
}

TEST(IniText, BlanksAroundNamesAndValuesDoNotCount) {
  const TIniText ini("  [ Buttons ]  \n\t Bitmap \t=  button.bmp  \r\nEmpty=\nTabbed=\ta b\t\n");
  EXPECT_EQ(ini.ReadString("Buttons", "Bitmap", ""), "button.bmp");
  EXPECT_EQ(ini.ReadString("Buttons", "Tabbed", ""), "a b");
  // An empty value is a value: the default is for missing keys only.
  EXPECT_EQ(ini.ReadString("Buttons", "Empty", "fallback"), "");
}

TEST(IniText, OnlyThePairOfEqualQuotesAroundAValueGoes) {
  const TIniText ini(
      "[s]\ndouble=\"a b\"\nsingle='c'\nmixed=\"d'\ninner=e\"f\"\nlone=\"\nempty=\"\"\nspaced=\" x \"\n");
  EXPECT_EQ(ini.ReadString("s", "double", ""), "a b");
  EXPECT_EQ(ini.ReadString("s", "single", ""), "c");
  EXPECT_EQ(ini.ReadString("s", "mixed", ""), "\"d'");
  EXPECT_EQ(ini.ReadString("s", "inner", ""), "e\"f\"");
  EXPECT_EQ(ini.ReadString("s", "lone", ""), "\"");
  EXPECT_EQ(ini.ReadString("s", "empty", "x"), "");
  EXPECT_EQ(ini.ReadString("s", "spaced", ""), " x ");
}

TEST(IniText, FirstSectionAndFirstKeyOfANameWin) {
  const TIniText ini("[A]\nk=1\nk=2\n[B]\nk=3\n[a]\nk=4\nonly=5\n");
  EXPECT_EQ(ini.ReadInteger("A", "k", 0), 1);
  // A later section of the same name is never searched.
  EXPECT_EQ(ini.ReadInteger("A", "only", -1), -1);
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"A", "B", "a"}));
}

TEST(IniText, CommentsLinesWithoutEqualsAndKeysBeforeAnySectionHoldNothing) {
  const TIniText ini("top=1\n[s]\n; k=2\n  ;k2=3\nbare line\nk3 ; =4\n=5\n[unclosed\nk4=6\n");
  EXPECT_EQ(ini.ReadString("s", "k", "none"), "none");
  EXPECT_EQ(ini.ReadString("s", "k2", "none"), "none");
  EXPECT_EQ(ini.ReadString("s", "bare line", "none"), "none");
  // A ';' after the start of a line is ordinary text.
  EXPECT_EQ(ini.ReadString("s", "k3 ;", ""), "4");
  // "[unclosed" is no section header, so k4 still belongs to s.
  EXPECT_EQ(ini.ReadString("s", "k4", ""), "6");
  EXPECT_EQ(ini.ReadSections(), std::vector<std::string>{"s"});
}

TEST(IniText, SectionNameEndsAtTheLastClosingBracketAndUnnamedSectionsAreNotListed) {
  const TIniText ini("[a]b]\nk=1\n[]\nk=2\n[Colour0] ; red\ncolor=255 0 0\n");
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"a]b", "Colour0"}));
  EXPECT_EQ(ini.ReadString("a]b", "k", ""), "1");
  EXPECT_EQ(ini.ReadString("Colour0", "color", ""), "255 0 0");
}

TEST(IniText, ValuesAreCutTo2047Characters) {
  const std::string longValue(3000, 'v');
  const TIniText ini("[s]\nlong=" + longValue + "\nquoted=\"" + std::string(2047, 'q') + "\"\nlonger=\"" +
                     std::string(2048, 'q') + "\"\n");
  EXPECT_EQ(ini.ReadString("s", "long", ""), std::string(2047, 'v'));
  EXPECT_EQ(ini.ReadString("s", "quoted", ""), std::string(2047, 'q'));
  // Too long to fit with its closing quote: the cut leaves only characters of the value.
  EXPECT_EQ(ini.ReadString("s", "longer", ""), std::string(2047, 'q'));
}

TEST(IniText, LinesEndAtLineFeedAndAFinalLineNeedsNone) {
  const TIniText ini("[s]\r\na=1\r\r\nb=2");
  EXPECT_EQ(ini.ReadInteger("s", "a", 0), 1);
  EXPECT_EQ(ini.ReadInteger("s", "b", 0), 2);
}

// The bytes of `text` in UTF-16 behind its byte-order mark.
std::string Utf16Bytes(std::u16string_view text, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t unit : text) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes.append({bigEndian ? high : low, bigEndian ? low : high});
  }
  return bytes;
}

TEST(IniText, UnicodeBehindAByteOrderMarkAndBareCarriageReturnsReadAsWindowsReadsThem) {
  const std::string gbkName = "\xC6\xA4\xB7\xF4";  // 皮肤
  const std::u16string unicode = u"[TitlebarSkin]\r\nSkinName=\u76AE\u80A4\r\n[Personality]\r\nLeftFrame=0x2\r\n";
  for (const std::string& bytes : {Utf16Bytes(unicode, false), Utf16Bytes(unicode, true),
                                   std::string("\xEF\xBB\xBF[TitlebarSkin]\nSkinName=\xE7\x9A\xAE\xE8\x82\xA4\n"
                                               "[Personality]\nLeftFrame=0x2\n"),
                                   "[TitlebarSkin]\rSkinName=" + gbkName + "\r\r[Personality]\rLeftFrame=0x2"}) {
    SCOPED_TRACE(testing::PrintToString(bytes));
    const TIniText ini(bytes);
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"TitlebarSkin", "Personality"}));
    EXPECT_EQ(ini.ReadString("TitlebarSkin", "SkinName", ""), gbkName);
    EXPECT_EQ(ini.ReadInteger("Personality", "LeftFrame", 0), 2);
  }
}

TEST(IniText, IntegersAreDecimalOrLongerThanTwoCharacterHex) {
  const TIniText ini(
      "[n]\ndec=42\nneg=-7\nplus=+5\nhex=0x1F\nupper=0XfF\nbare0x=0x\nbadhex=0x1G\nword=abc\ntrail=12px\n"
      "spaced=1 2\nmax=2147483647\nmin=-2147483648\nover=2147483648\nallbits=0xFFFFFFFF\nwide=0x100000000\n"
      "quoted=\"12\"\nempty=\n");
  EXPECT_EQ(ini.ReadInteger("n", "dec", -1), 42);
  EXPECT_EQ(ini.ReadInteger("n", "neg", 0), -7);
  EXPECT_EQ(ini.ReadInteger("n", "plus", 0), 5);
  EXPECT_EQ(ini.ReadInteger("n", "hex", -1), 31);
  EXPECT_EQ(ini.ReadInteger("n", "upper", -1), 255);
  EXPECT_EQ(ini.ReadInteger("n", "max", 0), 2147483647);
  EXPECT_EQ(ini.ReadInteger("n", "min", 0), -2147483647 - 1);
  EXPECT_EQ(ini.ReadInteger("n", "allbits", 0), -1);
  EXPECT_EQ(ini.ReadInteger("n", "quoted", 0), 12);
  for (const char* notANumber : {"bare0x", "badhex", "word", "trail", "spaced", "over", "wide", "empty", "none"}) {
    EXPECT_EQ(ini.ReadInteger("n", notANumber, -99), -99) << notANumber;
  }
}

}  // namespace
}  // namespace skin
