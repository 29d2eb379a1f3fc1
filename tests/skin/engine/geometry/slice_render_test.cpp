#include <gtest/gtest.h>

#include "skin/engine/geometry/key_colour_copy.h"
#include "skin/engine/geometry/nine_slice.h"
#include "skin/engine/geometry/pixel_stretch.h"
#include "skin/engine/geometry/slice_render.h"

namespace skin {
namespace {

// A picture whose every pixel tells where it was: red x, green y.
TSkinBitmap Numbered(int width, int height) {
  TSkinBitmap bitmap(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, RgbColour(x, y, 99));
  return bitmap;
}

int SourceX(const TSkinBitmap& bitmap, int x, int y) { return RedOf(bitmap.Pixel(x, y)); }
int SourceY(const TSkinBitmap& bitmap, int x, int y) { return GreenOf(bitmap.Pixel(x, y)); }

TEST(PixelStretch, EveryPixelTakesTheWholeSourcePixelUnderItsCentre) {
  const TSkinBitmap picture = Numbered(4, 4);
  TSkinBitmap out(10, 3);
  StretchPixels(PixelsOf(picture), {1, 1, 3, 3}, PixelsOf(out), {0, 0, 5, 3});  // 2 x 2 to 5 x 3
  const int columns[] = {1, 1, 2, 2, 2};
  const int rows[] = {1, 2, 2};
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) {
      EXPECT_EQ(SourceX(out, x, y), columns[x]) << x << "," << y;
      EXPECT_EQ(SourceY(out, x, y), rows[y]) << x << "," << y;
      EXPECT_EQ(BlueOf(out.Pixel(x, y)), 99);  // whole pixels: nothing blended
    }
  }
  EXPECT_EQ(out.Pixel(5, 0), RgbColour(0, 0, 0));  // nothing written right of the target
  // Shrunk 4 to 2 keeps every other column.
  StretchPixels(PixelsOf(picture), {0, 0, 4, 1}, PixelsOf(out), {0, 0, 2, 1});
  EXPECT_EQ(SourceX(out, 0, 0), 1);
  EXPECT_EQ(SourceX(out, 1, 0), 3);
}

TEST(PixelStretch, TargetsAndSourcesOutsideTheirBitmapsAreCut) {
  const TSkinBitmap picture = Numbered(4, 4);
  TSkinBitmap out(3, 3);
  // The target starts left of and above the destination: the scale is that of the whole target.
  StretchPixels(PixelsOf(picture), {0, 0, 4, 4}, PixelsOf(out), {-4, -4, 4, 4});
  EXPECT_EQ(SourceX(out, 0, 0), 2);
  EXPECT_EQ(SourceY(out, 2, 2), 3);
  // A source running past the picture is cut to it.
  StretchPixels(PixelsOf(picture), {2, 0, 9, 1}, PixelsOf(out), {0, 0, 2, 1});
  EXPECT_EQ(SourceX(out, 0, 0), 2);
  EXPECT_EQ(SourceX(out, 1, 0), 3);
}

TEST(SliceRender, TilesRunningPastTheCentreAreCoveredByTheRightAndBottomPieces) {
  // An 8 x 8 cell with margins of 2: a 4 x 4 centre tiled over 14 - 4 = 10 columns and rows.
  const TSkinBitmap picture = Numbered(8, 8);
  TSkinBitmap out(14, 14);
  RenderSlicePlan(PixelsOf(picture), NineSlicePlan({0, 0, 8, 8}, 14, 14, {2, 2, 2, 2}, true), PixelsOf(out));
  for (int x = 2; x < 12; ++x) EXPECT_EQ(SourceX(out, x, 5), 2 + (x - 2) % 4) << x;  // tiles, cut at column 12
  for (int y = 2; y < 12; ++y) EXPECT_EQ(SourceY(out, 5, y), 2 + (y - 2) % 4) << y;
  EXPECT_EQ(SourceX(out, 12, 5), 6);  // right edge, not the third tile's column 2
  EXPECT_EQ(SourceY(out, 5, 13), 7);  // bottom edge
  EXPECT_EQ(out.Pixel(13, 13), picture.Pixel(7, 7));
}

TEST(KeyColourCopy, OnlyPixelsOfExactlyTheKeyLeaveWhatIsUnderAndOnlyWhatLandsInsideIsCopied) {
  TSkinBitmap picture = Numbered(3, 2);
  picture.SetPixel(0, 0, RgbColour(255, 0, 255));
  picture.SetPixel(1, 0, RgbColour(255, 1, 255));
  TSkinBitmap under(4, 1);
  under.SetPixel(0, 0, RgbColour(7, 7, 7));
  under.SetPixel(3, 0, RgbColour(8, 8, 8));
  CopyUnlessKey(ReadOnly(PixelsOf(picture)), PixelsOf(under), 255, 0, 255);
  EXPECT_EQ(under.Pixel(0, 0), RgbColour(7, 7, 7));
  EXPECT_EQ(under.Pixel(1, 0), RgbColour(255, 1, 255));
  EXPECT_EQ(under.Pixel(2, 0), picture.Pixel(2, 0));
  EXPECT_EQ(under.Pixel(3, 0), RgbColour(8, 8, 8));  // beyond the picture

  // Placed partly outside: only what lands inside, with or without the key.
  TSkinBitmap target(3, 2);
  CopyPixelsAt(ReadOnly(PixelsOf(picture)), PixelsOf(target), 1, -1, true, 255, 0, 255);
  EXPECT_EQ(target.Pixel(0, 0), RgbColour(0, 0, 0));
  EXPECT_EQ(target.Pixel(1, 0), picture.Pixel(0, 1));
  EXPECT_EQ(target.Pixel(2, 0), picture.Pixel(1, 1));
  EXPECT_EQ(target.Pixel(1, 1), RgbColour(0, 0, 0));
  TSkinBitmap plain(2, 1);
  CopyPixelsAt(ReadOnly(PixelsOf(picture)), PixelsOf(plain), -2, 0, false, 255, 0, 255);
  EXPECT_EQ(plain.Pixel(0, 0), picture.Pixel(2, 0));
  EXPECT_EQ(plain.Pixel(1, 0), RgbColour(0, 0, 0));
  CopyPixelsAt(ReadOnly(PixelsOf(picture)), PixelsOf(plain), -1, 0, false, 255, 0, 255);
  EXPECT_EQ(plain.Pixel(0, 0), RgbColour(255, 1, 255)) << "a copy without the key takes every pixel";
}

}  // namespace
}  // namespace skin
