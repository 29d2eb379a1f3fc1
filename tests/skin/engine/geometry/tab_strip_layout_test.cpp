#include "skin/engine/geometry/tab_strip_layout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace skin {
namespace {

using enum TTabPosition;

TEST(TabStripLayout, TheSideComesFromTheVerticalAndBottomBits) {
  EXPECT_EQ(TabPositionOfStyle(0x50000000), Top);
  EXPECT_EQ(TabPositionOfStyle(0x2), Bottom);
  EXPECT_EQ(TabPositionOfStyle(0x80 | 0x200), Left);  // with the multi-line bit
  EXPECT_EQ(TabPositionOfStyle(0x80 | 0x2), Right);
}

TEST(TabStripLayout, TheStripIsTheControlOutsideThePageBorderOnTheTabSide) {
  const TPixelRect control{0, 0, 200, 100};
  // The page border stands 4 outside the page area, one pixel less on the tab side.
  const TPixelRect top = PageBorderRect({4, 24, 196, 96}, Top);
  EXPECT_EQ(top, (TPixelRect{0, 21, 200, 100}));
  EXPECT_EQ(TabStripRect(control, top, Top), (TPixelRect{0, 0, 200, 21}));
  const TPixelRect bottom = PageBorderRect({4, 4, 196, 76}, Bottom);
  EXPECT_EQ(bottom, (TPixelRect{0, 0, 200, 79}));
  EXPECT_EQ(TabStripRect(control, bottom, Bottom), (TPixelRect{0, 79, 200, 100}));
  const TPixelRect left = PageBorderRect({30, 4, 196, 96}, Left);
  EXPECT_EQ(TabStripRect(control, left, Left), (TPixelRect{0, 0, 27, 100}));
  const TPixelRect right = PageBorderRect({4, 4, 170, 96}, Right);
  EXPECT_EQ(TabStripRect(control, right, Right), (TPixelRect{173, 0, 200, 100}));
  // Left and right strips are drawn lying down.
  EXPECT_EQ(WorkStripSize({173, 0, 200, 100}, Right).Width, 100);
  EXPECT_EQ(WorkStripSize({173, 0, 200, 100}, Right).Height, 27);
  EXPECT_EQ(WorkStripSize({0, 0, 200, 21}, Top).Width, 200);
}

// Where a tab drawn in the work strip ends up in the control once the strip
// is turned and copied to its place: the marked pixels' bounds.
TPixelRect LandedTab(TTabPosition position, const TPixelRect& tab, const TPixelRect& pageArea) {
  const TPixelRect control{0, 0, 200, 100};
  const TPixelRect page = PageBorderRect(pageArea, position);
  const TPixelRect strip = TabStripRect(control, page, position);
  const TStripSize size = WorkStripSize(strip, position);
  TSkinBitmap work(size.Width, size.Height);
  const TPixelRect drawn =
      Intersection(TabInWorkStrip(tab, position, control, page, size.Width), {0, 0, size.Width, size.Height});
  for (int y = drawn.Top; y < drawn.Bottom; ++y)
    for (int x = drawn.Left; x < drawn.Right; ++x) work.SetPixel(x, y, 0xFFFFFF);
  TurnWorkStrip(position, work);
  TPixelRect landed{1000, 1000, -1, -1};
  for (int y = 0; y < work.Height(); ++y)
    for (int x = 0; x < work.Width(); ++x) {
      if (work.Pixel(x, y) == 0) continue;
      landed = {std::min(landed.Left, strip.Left + x), std::min(landed.Top, strip.Top + y),
                std::max(landed.Right, strip.Left + x + 1), std::max(landed.Bottom, strip.Top + y + 1)};
    }
  return landed;
}

TEST(TabStripLayout, EachTabLandsOnItsOwnPlaceAfterTheStripIsTurned) {
  // Top and bottom tabs move one pixel towards the page; left tabs stay,
  // right tabs move one pixel up; what leaves the strip is cut.
  EXPECT_EQ(LandedTab(Top, {2, 2, 60, 22}, {4, 24, 196, 96}), (TPixelRect{2, 3, 60, 21}));
  EXPECT_EQ(LandedTab(Bottom, {2, 78, 60, 98}, {4, 4, 196, 76}), (TPixelRect{2, 79, 60, 97}));
  EXPECT_EQ(LandedTab(Left, {2, 2, 24, 40}, {30, 4, 196, 96}), (TPixelRect{2, 2, 24, 40}));
  EXPECT_EQ(LandedTab(Right, {176, 40, 198, 80}, {4, 4, 170, 96}), (TPixelRect{176, 39, 198, 79}));
}

TEST(TabStripLayout, PicturesAreTurnedForTheSide) {
  // A 3 x 2 picture marked at its top-left pixel.
  TSkinBitmap marked(3, 2);
  marked.SetPixel(0, 0, 0x0000FF);
  TSkinBitmap tab = marked, border = marked;
  TurnTabPictures(Bottom, tab, border);
  EXPECT_EQ(tab.Pixel(0, 1), 0x0000FFu);  // upside down, both
  EXPECT_EQ(border.Pixel(0, 1), 0x0000FFu);
  tab = border = marked;
  TurnTabPictures(Left, tab, border);
  EXPECT_EQ(tab, marked);  // the tab picture stays upright
  ASSERT_EQ(border.Width(), 2);
  EXPECT_EQ(border.Pixel(0, 2), 0x0000FFu);  // anticlockwise: top-left goes to bottom-left
  tab = border = marked;
  TurnTabPictures(Right, tab, border);
  EXPECT_EQ(border.Pixel(1, 0), 0x0000FFu);  // clockwise: top-left goes to top-right
  tab = border = marked;
  TurnTabPictures(Top, tab, border);
  EXPECT_EQ(border, marked);
}

}  // namespace
}  // namespace skin
