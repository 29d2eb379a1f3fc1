#include "skin/engine/gdi/skin_dib.h"

#include <gtest/gtest.h>

#include "skin/engine/gdi/shared_work_bitmap.h"

namespace skin {
namespace {

// 3 x 2 (a row of 9 bytes padded to 12), every pixel different.
TSkinBitmap Sample() {
  TSkinBitmap bitmap(3, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) bitmap.SetPixel(x, y, RgbColour(40 * x + 1, 100 * y + 2, 7 * x + 50 * y + 3));
  return bitmap;
}

void ExpectPixelsOf(HDC dc, const TSkinBitmap& bitmap) {
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) EXPECT_EQ(GetPixel(dc, x, y), bitmap.Pixel(x, y)) << x << "," << y;
}

TEST(SkinDib, ADibSectionHoldsThePictureTopRowFirst) {
  const TSkinBitmap bitmap = Sample();
  const TBitmapHandle dib = CreateSkinDib(bitmap);
  ASSERT_NE(dib, nullptr);
  BITMAP info{};
  ASSERT_TRUE(GetObjectW(dib.get(), sizeof(info), &info));
  EXPECT_EQ(info.bmWidth, 3);
  EXPECT_EQ(info.bmHeight, 2);
  EXPECT_EQ(info.bmBitsPixel, 24);

  HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ old = SelectObject(dc, dib.get());
  ExpectPixelsOf(dc, bitmap);
  SelectObject(dc, old);
  DeleteDC(dc);

  EXPECT_EQ(CreateSkinDib(TSkinBitmap()), nullptr);
}

TEST(SkinDib, ThePictureDrawsStraightFromItsBits) {
  const TSkinBitmap bitmap = Sample();
  TWorkBitmap target;
  target.Bitmap().SetSize(3, 2);
  const BITMAPINFO info = SkinBitmapInfo(bitmap);
  ASSERT_EQ(StretchDIBits(target.Canvas().Handle(), 0, 0, 3, 2, 0, 0, 3, 2, bitmap.Bits().data(), &info, DIB_RGB_COLORS,
                          SRCCOPY),
            2);
  ExpectPixelsOf(target.Canvas().Handle(), bitmap);
}

TEST(SharedWorkBitmap, IsOneBitmapWhoseCanvasStretchesColourOnColour) {
  TWorkBitmap& shared = SharedWorkBitmap();
  EXPECT_EQ(&shared, &SharedWorkBitmap());
  shared.Bitmap().SetSize(8, 8);
  EXPECT_EQ(GetStretchBltMode(shared.Canvas().Handle()), COLORONCOLOR);
  shared.Bitmap().SetSize(16, 4);  // a new device context
  EXPECT_EQ(GetStretchBltMode(shared.Canvas().Handle()), COLORONCOLOR);
}

}  // namespace
}  // namespace skin
