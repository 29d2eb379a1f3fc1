#include "skin/data/bitmap_operations.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

// A picture whose every pixel tells where it was: red x, green y.
TSkinBitmap Numbered(int width, int height) {
  TSkinBitmap bitmap(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, RgbColour(x, y, 99));
  }
  return bitmap;
}

struct TPlace {
  int X;
  int Y;
};

// After an operation, pixel (x, y) of the result holds the source pixel at from(x, y).
void ExpectMoved(const TSkinBitmap& result, int width, int height, const std::function<TPlace(int, int)>& from) {
  ASSERT_EQ(result.Width(), width);
  ASSERT_EQ(result.Height(), height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const TPlace source = from(x, y);
      ASSERT_EQ(result.Pixel(x, y), RgbColour(source.X, source.Y, 99)) << x << "," << y;
    }
  }
}

// Odd and even sizes, and widths whose rows carry padding bytes.
class BitmapOperations : public testing::TestWithParam<std::pair<int, int>> {};

TEST_P(BitmapOperations, MirrorSwapsLeftAndRight) {
  const auto [w, h] = GetParam();
  TSkinBitmap bitmap = Numbered(w, h);
  MirrorBitmap(bitmap);
  ExpectMoved(bitmap, w, h, [w](int x, int y) { return TPlace{w - 1 - x, y}; });
}

TEST_P(BitmapOperations, FlipSwapsTopAndBottom) {
  const auto [w, h] = GetParam();
  TSkinBitmap bitmap = Numbered(w, h);
  FlipBitmap(bitmap);
  ExpectMoved(bitmap, w, h, [h](int x, int y) { return TPlace{x, h - 1 - y}; });
}

TEST_P(BitmapOperations, RotateLeftTurnsAnticlockwise) {
  const auto [w, h] = GetParam();
  TSkinBitmap bitmap = Numbered(w, h);
  RotateBitmapLeft(bitmap);
  // Source (x, y) lands at (y, w - 1 - x).
  ExpectMoved(bitmap, h, w, [w](int x, int y) { return TPlace{w - 1 - y, x}; });
}

TEST_P(BitmapOperations, RotateRightTurnsClockwise) {
  const auto [w, h] = GetParam();
  TSkinBitmap bitmap = Numbered(w, h);
  RotateBitmapRight(bitmap);
  // Source (x, y) lands at (h - 1 - y, x).
  ExpectMoved(bitmap, h, w, [h](int x, int y) { return TPlace{y, h - 1 - x}; });
}

TEST_P(BitmapOperations, FourQuarterTurnsOrTwoMirrorsChangeNothing) {
  const auto [w, h] = GetParam();
  const TSkinBitmap original = Numbered(w, h);
  TSkinBitmap bitmap = original;
  RotateBitmapLeft(bitmap);
  RotateBitmapRight(bitmap);
  EXPECT_EQ(bitmap, original);
  MirrorBitmap(bitmap);
  FlipBitmap(bitmap);
  RotateBitmapLeft(bitmap);
  RotateBitmapLeft(bitmap);
  EXPECT_EQ(bitmap, original);
}

INSTANTIATE_TEST_SUITE_P(Sizes, BitmapOperations,
                         testing::Values(std::pair{1, 1}, std::pair{5, 3}, std::pair{4, 7}, std::pair{2, 9},
                                         std::pair{13, 1}));

TEST(BitmapOperations, EmptyPictureStaysEmpty) {
  TSkinBitmap bitmap;
  MirrorBitmap(bitmap);
  FlipBitmap(bitmap);
  RotateBitmapLeft(bitmap);
  RotateBitmapRight(bitmap);
  EXPECT_TRUE(bitmap.Empty());
}

TEST(SkinBitmap, CopyIsClippedToThePicture) {
  const TSkinBitmap bitmap = Numbered(6, 4);
  const TSkinBitmap part = bitmap.Copy(4, 1, 5, 2);
  ExpectMoved(part, 2, 2, [](int x, int y) { return TPlace{4 + x, 1 + y}; });
  EXPECT_TRUE(bitmap.Copy(6, 0, 3, 3).Empty());
  EXPECT_TRUE(bitmap.Copy(2147483600, 2147483600, 2147483600, 100).Empty());
  ExpectMoved(bitmap.Copy(-3, -1, 5, 3), 2, 2, [](int x, int y) { return TPlace{x, y}; });
}

TEST(SkinBitmap, RowsAreDwordAlignedBlueGreenRed) {
  TSkinBitmap bitmap(3, 2);
  EXPECT_EQ(bitmap.Stride(), 12u);
  EXPECT_EQ(bitmap.Bits().size(), 24u);
  bitmap.SetPixel(1, 1, RgbColour(0x11, 0x22, 0x33));
  const std::uint8_t* p = bitmap.Bits().data() + 12 + 3;
  EXPECT_EQ(p[0], 0x33);
  EXPECT_EQ(p[1], 0x22);
  EXPECT_EQ(p[2], 0x11);
}

}  // namespace
}  // namespace skin
