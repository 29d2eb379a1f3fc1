#include "skin/engine/gdi/skin_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "skin/engine/gdi/skin_dib.h"
#include "ui/graphics/bitmap.h"

namespace skin {
namespace {

constexpr TColour kKey = RgbColour(255, 0, 255);
constexpr TColour kGround = RgbColour(10, 20, 30);

// A picture of `cells` cells side by side, each `cell` pixels square: cell n
// is filled with Shade(n), its top-left pixel is magenta, and its right-most
// column is Border(n).
TColour Shade(int n) { return RgbColour(40 * n, 100, 200); }
TColour Border(int n) { return RgbColour(40 * n, 30, 60); }
TSkinBitmap Strip(int cells, int cell) {
  TSkinBitmap picture(cells * cell, cell);
  for (int n = 1; n <= cells; ++n) {
    for (int y = 0; y < cell; ++y)
      for (int x = 0; x < cell; ++x) picture.SetPixel((n - 1) * cell + x, y, x == cell - 1 ? Border(n) : Shade(n));
    picture.SetPixel((n - 1) * cell, 0, kKey);
  }
  return picture;
}

// A 32-bit bitmap to draw on, filled with the ground colour.
class SkinDrawing : public testing::Test {
 protected:
  void SetUp() override {
    target_.SetSize(40, 30);
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 40; ++x) target_.ScanLine(y)[x] = 0x0A141E;  // kGround as 0x00RRGGBB
  }
  HDC Dc() { return target_.Canvas().Handle(); }
  TColour At(int x, int y) {
    GdiFlush();
    return target_.Pixel(x, y);
  }

  ui::TBitmap target_;
};

TEST_F(SkinDrawing, ANineSliceDrawsTheChosenCellAtTheRectangleOnly) {
  const TSkinBitmap picture = Strip(2, 6);
  DrawNineSlice(Dc(), {5, 4, 25, 14}, picture, false, false, false, 2, 2, {1, 1, 1, 1});
  EXPECT_EQ(At(5, 4), kKey);        // opaque: the key colour is drawn
  EXPECT_EQ(At(15, 8), Shade(2));   // centre of cell 2
  EXPECT_EQ(At(24, 8), Border(2));  // right edge: the cell's last column
  EXPECT_EQ(At(4, 4), kGround);     // nothing outside the rectangle
  EXPECT_EQ(At(25, 8), kGround);
  EXPECT_EQ(At(15, 14), kGround);
  // A rectangle of negative width draws nothing.
  DrawNineSlice(Dc(), {30, 4, 29, 14}, picture, false, false, false, 2, 1, {1, 1, 1, 1});
  EXPECT_EQ(At(29, 8), kGround);
}

TEST_F(SkinDrawing, TransparentPathsKeepTheDestinationUnderTheKey) {
  const TSkinBitmap picture = Strip(3, 6);
  DrawNineSlice(Dc(), {0, 0, 20, 10}, picture, false, true, true, 3, 1, {2, 2, 2, 2});
  EXPECT_EQ(At(0, 0), kGround);
  EXPECT_EQ(At(1, 0), Shade(1));
  // Frame 3 of 3 is the right-most cell; frame 9 is clamped to it.
  DrawFrameCell(Dc(), {0, 12, 12, 24}, picture, true, 3, 9);
  EXPECT_EQ(At(0, 12), kGround);  // the magenta pixel, stretched to 2 x 2
  EXPECT_EQ(At(1, 13), kGround);
  EXPECT_EQ(At(2, 12), Shade(3));
  EXPECT_EQ(At(11, 20), Border(3));
}

TEST_F(SkinDrawing, AThreeSliceRepeatsItsMiddleBetweenTheEnds) {
  // Cell 6 wide, ends of 1: the middle is columns 1..4 (the key pixel is column 0, row 0).
  TSkinBitmap picture = Strip(1, 6);
  picture.SetPixel(1, 2, RgbColour(1, 2, 3));  // marks the middle's first column
  DrawThreeSlice(Dc(), {2, 0, 20, 12}, picture, false, false, 1, 1, {1, 0, 1, 0});
  // Stretched to 12 rows, row 2 of the cell covers rows 4 and 5; copies start at x = 1, 5, 9, 13 (+2).
  for (int x : {3, 7, 11, 15}) EXPECT_EQ(At(x, 4), RgbColour(1, 2, 3)) << x;
  EXPECT_EQ(At(17, 4), Shade(1));
  EXPECT_EQ(At(19, 4), Border(1));  // the right end covers the last copy
  EXPECT_EQ(At(20, 4), kGround);
  EXPECT_EQ(At(2, 0), kKey);
}

TEST_F(SkinDrawing, TilesRunPastTheTargetInWholeCopies) {
  const TSkinBitmap picture = Strip(2, 6);
  // Tile = cell 2's last three columns of rows 1..4: 3 x 3, columns 3, 4 shade, 5 border.
  TileBitmap(Dc(), {1, 1, 8, 5}, picture, {9, 1, 12, 4});
  EXPECT_EQ(At(1, 1), Shade(2));
  EXPECT_EQ(At(3, 1), Border(2));
  EXPECT_EQ(At(9, 6), Border(2));  // the third column and second row run past right 8 and bottom 5
  EXPECT_EQ(At(10, 6), kGround);
  EXPECT_EQ(At(9, 7), kGround);
}

TEST_F(SkinDrawing, RenderNineSliceMakesABitmapOfTheTargetSize) {
  const TBitmapHandle bitmap = RenderNineSlice({3, 3, 53, 23}, Strip(1, 6), {1, 1, 1, 1}, false, false, 1, 1);
  ASSERT_NE(bitmap, nullptr);
  BITMAP info{};
  ASSERT_TRUE(GetObjectW(bitmap.get(), sizeof(info), &info));
  EXPECT_EQ(info.bmWidth, 50);
  EXPECT_EQ(info.bmHeight, 20);
  EXPECT_EQ(RenderNineSlice({3, 3, 3, 23}, Strip(1, 6), {}, false, false, 1, 1), nullptr);
  // An empty picture gives the bitmap all the same, black.
  EXPECT_NE(RenderNineSlice({0, 0, 4, 4}, TSkinBitmap(), {}, false, false, 1, 1), nullptr);
}

// A region built from a picture, and whether each pixel is in it.
class RegionFromPicture {
 public:
  explicit RegionFromPicture(const TSkinBitmap& picture, int dx = 0, int dy = 0, int tolerance = 1)
      : dib_(CreateSkinDib(picture)), region_(RegionFromBitmap(dib_.get(), dx, dy, tolerance, tolerance, tolerance)) {}
  ~RegionFromPicture() {
    if (region_) DeleteObject(region_);
  }
  HRGN Handle() const { return region_; }
  bool Holds(int x, int y) const { return PtInRegion(region_, x, y); }

 private:
  TBitmapHandle dib_;
  HRGN region_;
};

TEST(RegionFromBitmap, KeyColouredPixelsAreCutOut) {
  TSkinBitmap picture(4, 3);  // black, with key-like pixels
  picture.SetPixel(0, 0, kKey);
  picture.SetPixel(3, 0, RgbColour(255, 1, 255));  // within the tolerance of 1
  picture.SetPixel(1, 2, RgbColour(255, 2, 255));  // outside it
  const RegionFromPicture region(picture, 10, 20);
  ASSERT_NE(region.Handle(), nullptr);
  EXPECT_FALSE(region.Holds(10, 20));
  EXPECT_TRUE(region.Holds(11, 20));
  EXPECT_FALSE(region.Holds(13, 20));
  EXPECT_TRUE(region.Holds(11, 22));
  RECT box{};
  EXPECT_EQ(GetRgnBox(region.Handle(), &box), COMPLEXREGION);
  EXPECT_EQ(box.left, 10);
  EXPECT_EQ(box.bottom, 23);
  EXPECT_TRUE(RegionFromPicture(picture, 0, 0, 0).Holds(3, 0));  // no tolerance: only the key itself is cut

  TSkinBitmap magenta(5, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 5; ++x) magenta.SetPixel(x, y, kKey);
  EXPECT_EQ(GetRgnBox(RegionFromPicture(magenta).Handle(), &box), NULLREGION);
}

TEST(RegionFromBitmap, EveryKindOfBitmapGivesTheSameRegion) {
  TSkinBitmap picture(7, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x)
      if (x == y || x == 6 - y) picture.SetPixel(x, y, kKey);
  const TBitmapHandle topDown24 = CreateSkinDib(picture);
  const HRGN expected = RegionFromBitmap(topDown24.get(), 0, 0, 1, 1, 1);

  // A 32-bit bitmap held by a device context, a bottom-up DIB and a device bitmap like the screen's.
  ui::TBitmap held;
  held.SetSize(7, 5);
  HDC screen = GetDC(nullptr);
  const HBITMAP device = CreateCompatibleBitmap(screen, 7, 5);
  ReleaseDC(nullptr, screen);
  BITMAPINFO bottomUpInfo = SkinBitmapInfo(picture);
  bottomUpInfo.bmiHeader.biHeight = 5;
  void* bits = nullptr;
  const TBitmapHandle bottomUp(CreateDIBSection(nullptr, &bottomUpInfo, DIB_RGB_COLORS, &bits, nullptr, 0));
  ASSERT_NE(bottomUp, nullptr);
  HDC deviceDc = CreateCompatibleDC(nullptr);
  const HGDIOBJ old = SelectObject(deviceDc, device);
  const BITMAPINFO info = SkinBitmapInfo(picture);
  for (HDC dc : {held.Canvas().Handle(), deviceDc})
    StretchDIBits(dc, 0, 0, 7, 5, 0, 0, 7, 5, picture.Bits().data(), &info, DIB_RGB_COLORS, SRCCOPY);
  SelectObject(deviceDc, old);
  DeleteDC(deviceDc);
  for (int y = 0; y < 5; ++y)  // bottom-up: the last row first
    std::copy_n(picture.Row(y), picture.Stride(), static_cast<std::uint8_t*>(bits) + (4 - y) * picture.Stride());

  for (HBITMAP bitmap : {held.Handle(), bottomUp.get(), device}) {
    const HRGN region = RegionFromBitmap(bitmap, 0, 0, 1, 1, 1);
    ASSERT_NE(region, nullptr);
    EXPECT_TRUE(EqualRgn(region, expected));
    DeleteObject(region);
  }
  EXPECT_FALSE(PtInRegion(expected, 3, 3));
  EXPECT_TRUE(PtInRegion(expected, 3, 2));
  DeleteObject(expected);
  DeleteObject(device);
  EXPECT_EQ(RegionFromBitmap(nullptr, 0, 0, 1, 1, 1), nullptr);
}

TEST(RegionFromBitmap, ManyRectanglesAreGatheredInBatches) {
  // A checkerboard of 120 x 40: 2,400 one-pixel rectangles, more than one batch.
  TSkinBitmap picture(120, 40);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 120; ++x)
      if ((x + y) % 2) picture.SetPixel(x, y, kKey);
  const RegionFromPicture region(picture);
  ASSERT_NE(region.Handle(), nullptr);
  DWORD size = GetRegionData(region.Handle(), 0, nullptr);
  std::vector<std::uint8_t> data(size);
  ASSERT_EQ(GetRegionData(region.Handle(), size, reinterpret_cast<RGNDATA*>(data.data())), size);
  EXPECT_EQ(reinterpret_cast<RGNDATA*>(data.data())->rdh.nCount, 2400u);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 120; ++x) ASSERT_EQ(region.Holds(x, y), (x + y) % 2 == 0) << x << "," << y;
}

}  // namespace
}  // namespace skin
