// Bitmaps: every picture becomes a 32-bit DIB whose pixels can be read back.
#include <gtest/gtest.h>
#include <windows.h>

#include "ui/graphics/bitmap.h"

namespace {

TEST(Bitmaps, MonochromeBitmapBecomesBlackAndWhitePixels) {
  const BYTE rows[4] = {0x40, 0, 0x80, 0};  // 1 bit per pixel, rows padded to 16 bits
  HBITMAP mono = CreateBitmap(2, 2, 1, 1, rows);
  ui::TBitmap bitmap;
  ASSERT_TRUE(bitmap.CopyFromHandle(mono));
  DeleteObject(mono);
  EXPECT_EQ(bitmap.Width(), 2);
  EXPECT_EQ(bitmap.Pixel(0, 0), clBlack);
  EXPECT_EQ(bitmap.Pixel(1, 0), clWhite);
  EXPECT_EQ(bitmap.Pixel(0, 1), clWhite);
  EXPECT_EQ(bitmap.Pixel(1, 1), clBlack);
  EXPECT_FALSE(bitmap.CopyFromHandle(nullptr));
}

TEST(Bitmaps, AssignCopiesPixelsAndTransparency) {
  ui::TBitmap source;
  source.SetSize(3, 2);
  source.ScanLine(1)[2] = 0x123456;
  source.SetTransparent(true);
  source.SetTransparentColor(clFuchsia);
  ui::TBitmap copy;
  copy.Assign(source);
  source.ScanLine(1)[2] = 0;
  EXPECT_EQ(copy.Pixel(2, 1), 0x563412u) << "a deep copy, red in the low byte";
  EXPECT_TRUE(copy.Transparent());
  EXPECT_EQ(copy.TransparentColor(), clFuchsia);
  EXPECT_EQ(copy.ScanLine(2), nullptr) << "rows outside the picture";
}

}  // namespace
