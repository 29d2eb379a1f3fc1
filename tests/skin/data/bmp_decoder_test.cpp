#include "skin/data/bmp_decoder.h"

#include <gtest/gtest.h>

#include "bmp_builder.h"

namespace skin {
namespace {

using skintest::BuildBmp;
using skintest::PackRows;
using skintest::TBmpFields;

TSkinBitmap Decode(const TBmpFields& fields) { return DecodeBmp(BuildBmp(fields)); }

// Every pixel of `bitmap` against the colour the picture should have there.
void ExpectPixels(const TSkinBitmap& bitmap, int width, int height, const std::function<TColour(int, int)>& colour) {
  ASSERT_EQ(bitmap.Width(), width);
  ASSERT_EQ(bitmap.Height(), height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) ASSERT_EQ(bitmap.Pixel(x, y), colour(x, y)) << "at " << x << "," << y;
  }
}

std::vector<TColour> DistinctColours(int count) {
  std::vector<TColour> palette;
  for (int i = 0; i < count; ++i) palette.push_back(RgbColour(i * 37 % 256, 255 - i, i * 11 % 256));
  return palette;
}

class IndexedBmp : public testing::TestWithParam<std::tuple<int, bool>> {};

TEST_P(IndexedBmp, PixelsTakeTheirPaletteColoursInEitherRowOrder) {
  const auto [bitCount, topDown] = GetParam();
  const int colours = 1 << bitCount;
  const auto index = [colours](int x, int y) { return static_cast<std::uint32_t>((x * 5 + y * 3) % colours); };
  TBmpFields f;
  f.Width = 13;  // rows that end inside a byte and need padding
  f.Height = topDown ? -4 : 4;
  f.BitCount = static_cast<std::uint16_t>(bitCount);
  f.Palette = DistinctColours(colours);
  f.Pixels = PackRows(13, 4, topDown, bitCount, index);
  ExpectPixels(Decode(f), 13, 4, [&](int x, int y) { return f.Palette[index(x, y)]; });
}

INSTANTIATE_TEST_SUITE_P(AllDepths, IndexedBmp, testing::Combine(testing::Values(1, 4, 8), testing::Bool()));

TEST(BmpDecoder, IndexBeyondAShortPaletteIsBlack) {
  TBmpFields f;
  f.Width = 4;
  f.BitCount = 8;
  f.ColorsUsed = 2;
  f.Palette = {RgbColour(255, 0, 255), RgbColour(1, 2, 3)};
  f.Pixels = {0, 1, 2, 255};
  ExpectPixels(Decode(f), 4, 1, [&](int x, int) { return x < 2 ? f.Palette[x] : 0; });
}

TEST(BmpDecoder, PaletteEndsWhereThePixelsStart) {
  // colorsUsed 0 means 256 entries, but this writer stored two and points at the pixels after them.
  TBmpFields f;
  f.Width = 2;
  f.BitCount = 8;
  f.Palette = {RgbColour(10, 20, 30), RgbColour(40, 50, 60)};
  f.Pixels = {1, 0, 0, 0};
  ExpectPixels(Decode(f), 2, 1, [&](int x, int) { return f.Palette[1 - x]; });
}

TEST(BmpDecoder, TwentyFourBitRowsArePaddedAndStoredBlueGreenRed) {
  const auto colour = [](int x, int y) { return RgbColour(x * 40, y * 50, 200 - x - y); };
  for (bool topDown : {false, true}) {
    TBmpFields f;
    f.Width = 5;
    f.Height = topDown ? -3 : 3;
    f.Pixels = PackRows(5, 3, topDown, 24, [&](int x, int y) {
      const TColour c = colour(x, y);
      return std::uint32_t{BlueOf(c)} | GreenOf(c) << 8 | RedOf(c) << 16;
    });
    ExpectPixels(Decode(f), 5, 3, colour);
  }
}

TEST(BmpDecoder, SixteenBitWithoutMasksIsFiveFiveFive) {
  TBmpFields f;
  f.Width = 3;
  f.BitCount = 16;
  // Full red; green 16 of 31; blue 1 of 31. Five bits widen as v * 255 / 31, rounded.
  const std::uint32_t words[] = {0x7C00, 16 << 5, 1};
  f.Pixels = PackRows(3, 1, false, 16, [&](int x, int) { return words[x]; });
  const TColour expected[] = {RgbColour(255, 0, 0), RgbColour(0, 132, 0), RgbColour(0, 0, 8)};
  ExpectPixels(Decode(f), 3, 1, [&](int x, int) { return expected[x]; });
}

TEST(BmpDecoder, BitFieldsPlaceTheChannelsWhereTheMasksSay) {
  TBmpFields f;
  f.Width = 2;
  f.BitCount = 16;
  f.Compression = 3;
  f.Masks = {0xF800, 0x07E0, 0x001F};  // 5-6-5
  const std::uint32_t words[] = {0xFFFF, 32 << 5 | 31 << 11};
  f.Pixels = PackRows(2, 1, false, 16, [&](int x, int) { return words[x]; });
  ExpectPixels(Decode(f), 2, 1, [](int x, int) { return x == 0 ? RgbColour(255, 255, 255) : RgbColour(255, 130, 0); });

  // 32 bits, red in the low byte and a ten-bit blue: wider channels keep their top eight bits.
  f.BitCount = 32;
  f.Masks = {0x000000FF, 0x0000FF00, 0xFFC00000};
  const std::uint32_t pixels[] = {0x12345678, 0x80000000};
  f.Pixels = PackRows(2, 1, false, 32, [&](int x, int) { return pixels[x]; });
  ExpectPixels(Decode(f), 2, 1,
               [](int x, int) { return x == 0 ? RgbColour(0x78, 0x56, 0x12) : RgbColour(0, 0, 0x80); });
}

TEST(BmpDecoder, ChannelWithAnEmptyMaskIsZero) {
  TBmpFields f;
  f.Width = 1;
  f.BitCount = 16;
  f.Compression = 3;
  f.Masks = {0xF800, 0, 0x001F};
  f.Pixels = {0xFF, 0xFF, 0, 0};
  ExpectPixels(Decode(f), 1, 1, [](int, int) { return RgbColour(255, 0, 255); });
}

TEST(BmpDecoder, ThirtyTwoBitWithoutMasksIgnoresTheFourthByte) {
  TBmpFields f;
  f.Width = 2;
  f.Height = -1;
  f.BitCount = 32;
  f.Pixels = {0x30, 0x20, 0x10, 0xFF, 0x01, 0x02, 0x03, 0x00};
  ExpectPixels(Decode(f), 2, 1, [](int x, int) { return x == 0 ? RgbColour(0x10, 0x20, 0x30) : RgbColour(3, 2, 1); });
}

TEST(BmpDecoder, LargerInfoHeadersCarryTheirMasksInside) {
  for (std::uint32_t headerSize : {52u, 56u, 108u, 124u}) {
    TBmpFields f;
    f.HeaderSize = headerSize;
    f.Width = 1;
    f.BitCount = 32;
    f.Compression = 3;
    f.Masks = {0x0000FF00, 0x00FF0000, 0xFF000000};
    f.Pixels = {0x00, 0x11, 0x22, 0x33};
    ExpectPixels(Decode(f), 1, 1, [](int, int) { return RgbColour(0x11, 0x22, 0x33); });
  }
}

TEST(BmpDecoder, CoreHeaderHasThreeBytePaletteEntries) {
  TBmpFields f;
  f.HeaderSize = 12;
  f.Width = 3;
  f.BitCount = 8;
  f.Palette = DistinctColours(256);
  f.Pixels = {7, 200, 255, 0};
  const int expected[] = {7, 200, 255};
  ExpectPixels(Decode(f), 3, 1, [&](int x, int) { return f.Palette[expected[x]]; });
}

// Run-length pictures build from the bottom row up.
TEST(BmpDecoder, Rle8RunsLiteralsMovesAndLineEnds) {
  TBmpFields f;
  f.Width = 6;
  f.Height = 3;
  f.BitCount = 8;
  f.Compression = 1;
  f.Palette = DistinctColours(8);
  f.Pixels = {
      3, 1,           // bottom row: three of colour 1
      0, 3, 4, 5, 6,  // then a literal run of three (4, 5, 6), padded to an even length
      0,              // padding byte
      0, 0,           // end of line
      0, 2, 2, 1,     // move right two and up one: the middle row is skipped, left black
      8, 7,           // eight of colour 7 in the top row: the two past the edge are dropped
      0, 1,           // end of picture
  };
  const std::vector<std::vector<int>> rows = {// top row first; -1 is black
                                              {-1, -1, 7, 7, 7, 7},
                                              {-1, -1, -1, -1, -1, -1},
                                              {1, 1, 1, 4, 5, 6}};
  ExpectPixels(Decode(f), 6, 3, [&](int x, int y) { return rows[y][x] < 0 ? 0 : f.Palette[rows[y][x]]; });
}

TEST(BmpDecoder, Rle4AlternatesTheTwoNibbles) {
  TBmpFields f;
  f.Width = 8;
  f.Height = 2;
  f.BitCount = 4;
  f.Compression = 2;
  f.Palette = DistinctColours(16);
  f.Pixels = {
      5, 0x12,                       // 1 2 1 2 1
      0, 3,    0x34, 0x50,           // literal 3 4 5 (two bytes, already even)
      0, 0,                          // end of line
      0, 5,    0xAB, 0xCD, 0xE0, 0,  // literal A B C D E, three bytes padded to four
      0, 1,
  };
  const std::vector<std::vector<int>> rows = {{10, 11, 12, 13, 14, -1, -1, -1}, {1, 2, 1, 2, 1, 3, 4, 5}};
  ExpectPixels(Decode(f), 8, 2, [&](int x, int y) { return rows[y][x] < 0 ? 0 : f.Palette[rows[y][x]]; });
}

TEST(BmpDecoder, RunLengthWithoutEndMarkIsCompleteOnceEveryRowIsDone) {
  TBmpFields f;
  f.Width = 2;
  f.Height = 2;
  f.BitCount = 8;
  f.Compression = 1;
  f.Palette = DistinctColours(4);
  f.Pixels = {2, 1, 0, 0, 2, 3, 0, 0};
  ExpectPixels(Decode(f), 2, 2, [&](int, int y) { return f.Palette[y == 0 ? 3 : 1]; });
  f.Pixels.resize(4);  // the top row never comes
  EXPECT_THROW(Decode(f), EInvalidGraphic);
}

TEST(BmpDecoder, SidesUpTo16384PixelsAreRead) {
  TBmpFields f;
  f.BitCount = 1;
  f.Palette = {0, RgbColour(255, 255, 255)};
  f.Width = 16384;
  f.Pixels.assign(16384 / 8, 0xFF);
  EXPECT_EQ(Decode(f).Width(), 16384);
  f.Width = 1;
  f.Height = -16384;
  f.Pixels.assign(4 * 16384, 0x80);
  const TSkinBitmap tall = Decode(f);
  EXPECT_EQ(tall.Height(), 16384);
  EXPECT_EQ(tall.Pixel(0, 16383), RgbColour(255, 255, 255));
}

TEST(BmpDecoder, RefusesPicturesOver16384PixelsOnASide) {
  for (auto [width, height] :
       {std::pair{16385, 1}, std::pair{1, 16385}, std::pair{1, -16385}, std::pair{1, -2147483647 - 1}}) {
    TBmpFields f;
    f.BitCount = 1;
    f.Width = width;
    f.Height = height;
    f.Palette = {0, 0};
    EXPECT_THROW(Decode(f), EInvalidGraphic) << width << " x " << height;
  }
}

TEST(BmpDecoder, RefusesFormatsItDoesNotKnow) {
  const auto refused = [](TBmpFields f) { EXPECT_THROW(Decode(f), EInvalidGraphic); };
  TBmpFields f;
  f.Width = 1;
  f.BitCount = 24;
  f.Pixels = {1, 2, 3, 0};
  for (std::uint32_t compression : {1u, 2u, 3u, 4u, 5u, 6u, 11u}) {  // RLE and masks do not fit 24 bits; JPEG, PNG, ...
    TBmpFields g = f;
    g.Compression = compression;
    refused(g);
  }
  for (std::uint16_t bitCount : {0, 2, 7, 48, 64}) {
    TBmpFields g = f;
    g.BitCount = bitCount;
    refused(g);
  }
  for (std::uint32_t headerSize : {0u, 16u, 39u, 41u, 64u, 200u}) {
    TBmpFields g = f;
    g.HeaderSize = headerSize;
    refused(g);
  }
  TBmpFields rle8with4 = f;
  rle8with4.BitCount = 4;
  rle8with4.Compression = 1;
  refused(rle8with4);
  TBmpFields coreSixteen = f;
  coreSixteen.HeaderSize = 12;
  coreSixteen.BitCount = 16;
  refused(coreSixteen);
  TBmpFields topDownRle = f;
  topDownRle.BitCount = 8;
  topDownRle.Compression = 1;
  topDownRle.Height = -1;
  topDownRle.Palette = {0};
  topDownRle.Pixels = {1, 0, 0, 1};
  refused(topDownRle);
  TBmpFields scatteredMask = f;
  scatteredMask.BitCount = 32;
  scatteredMask.Compression = 3;
  scatteredMask.Masks = {0xF0F0, 0xFF0000, 0xFF};
  refused(scatteredMask);
  TBmpFields noPixels = f;
  noPixels.Width = 0;
  refused(noPixels);
  std::vector<std::uint8_t> notBmp = BuildBmp(f);
  notBmp[0] = 'P';
  EXPECT_THROW(DecodeBmp(notBmp), EInvalidGraphic);
}

TEST(BmpDecoder, EveryCutOfAFileIsRefused) {
  TBmpFields f;
  f.Width = 3;
  f.Height = 2;
  f.BitCount = 4;
  f.Palette = DistinctColours(16);
  f.Pixels = PackRows(3, 2, false, 4, [](int x, int y) { return static_cast<std::uint32_t>(x + y); });
  const std::vector<std::uint8_t> whole = BuildBmp(f);
  ASSERT_NO_THROW(DecodeBmp(whole));
  for (std::size_t length = 0; length < whole.size(); ++length) {
    EXPECT_THROW(DecodeBmp(std::span(whole).first(length)), EInvalidGraphic) << length;
  }
}

TEST(BmpDecoder, OffsetsPastTheEndAreRefused) {
  TBmpFields f;
  f.Width = 1;
  f.Pixels = {1, 2, 3, 0};
  f.PixelOffset = 0xFFFFFFF0;
  EXPECT_THROW(Decode(f), EInvalidGraphic);
  // A palette bigger than the file around it.
  TBmpFields g;
  g.Width = 1;
  g.BitCount = 8;
  g.ColorsUsed = 256;
  g.Palette = {0, 0};
  g.Pixels = {0, 0, 0, 0};
  g.PixelOffset = 0xFFFFFFF0;
  EXPECT_THROW(Decode(g), EInvalidGraphic);
}

}  // namespace
}  // namespace skin
