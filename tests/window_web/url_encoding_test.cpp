#include "window/web/url_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Undoes the encoding, to show that every byte comes through.
std::string PercentDecode(std::string_view encoded) {
  std::string bytes;
  for (std::size_t at = 0; at < encoded.size(); ++at) {
    if (encoded[at] != '%') {
      bytes += encoded[at];
      continue;
    }
    bytes += static_cast<char>(std::stoi(std::string(encoded.substr(at + 1, 2)), nullptr, 16));
    at += 2;
  }
  return bytes;
}

TEST(PercentEncode, KeepsTheUnreservedCharactersAsTheyAre) {
  const std::string unreserved = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-._~";
  EXPECT_EQ(DateWin::PercentEncode(unreserved), unreserved);
  EXPECT_EQ(DateWin::PercentEncode(""), "");
}

TEST(PercentEncode, EncodesEveryCharacterThatCouldChangeTheAddressOrACommandLine) {
  EXPECT_EQ(DateWin::PercentEncode("a&b=c"), "a%26b%3Dc");
  EXPECT_EQ(DateWin::PercentEncode("1+1 #2 100%"), "1%2B1%20%232%20100%25");
  EXPECT_EQ(DateWin::PercentEncode("\"x\" 'y'"), "%22x%22%20%27y%27");
  EXPECT_EQ(DateWin::PercentEncode("/?:@\\^|<>"), "%2F%3F%3A%40%5C%5E%7C%3C%3E");
  EXPECT_EQ(DateWin::PercentEncode("\n\t"), "%0A%09");
}

TEST(PercentEncode, EncodesUtf8ByteByByteInUpperCaseHex) {
  EXPECT_EQ(DateWin::PercentEncode("火车票"), "%E7%81%AB%E8%BD%A6%E7%A5%A8");
}

TEST(PercentEncode, EveryByteComesBackAndOnlyUnreservedOnesStayBare) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
  const std::string encoded = DateWin::PercentEncode(all);
  EXPECT_EQ(PercentDecode(encoded), all);
  EXPECT_EQ(encoded.size(), 66u + (256u - 66u) * 3u) << "66 unreserved bytes, the rest as %XX";
}

TEST(FileAddress, EncodesEachPartOfThePathAndKeepsTheDrive) {
  EXPECT_EQ(DateWin::FileAddress("C:\\Users\\张 三\\AppData\\Local\\Temp\\Rilvanta-help\\index.html"),
            "file:///C:/Users/%E5%BC%A0%20%E4%B8%89/AppData/Local/Temp/Rilvanta-help/index.html");
  EXPECT_EQ(DateWin::FileAddress("Z:/tmp/a#b%c.html"), "file:///Z:/tmp/a%23b%25c.html");
}

}  // namespace
