#pragma once
// Where a skinned tab control's strip and page border go, and how the tab
// pictures are turned for each side the tabs stand on: the decisions that
// need no window. The strip is always drawn in horizontal layout (tabs
// standing on its bottom edge, as on top of a page) in a work bitmap, which
// is then turned to the control's side.

#include <cstdint>

#include "skin/data/skin_bitmap.h"
#include "skin/engine/geometry/pixel_rect.h"

namespace skin {

enum class TTabPosition : std::uint8_t { Top = 0, Bottom = 1, Left = 2, Right = 3 };

// From a tab control's window style: the vertical bit (0x80) puts the tabs on
// the left, the bottom/right bit (0x2) on the bottom, both on the right.
TTabPosition TabPositionOfStyle(std::uint32_t style);

// The page border around the control's page area (its display rectangle):
// widened by 4 on every side, then its edge on the tab side moved one pixel
// towards the page.
TPixelRect PageBorderRect(const TPixelRect& pageArea, TTabPosition position);

// The part of the control outside the page border on the tab side.
TPixelRect TabStripRect(const TPixelRect& control, const TPixelRect& pageBorder, TTabPosition position);

// The work bitmap's size for the strip: the strip's own for tabs on the top
// or bottom, its width and height swapped for tabs on the left or right.
struct TStripSize {
  int Width = 0;
  int Height = 0;
};
TStripSize WorkStripSize(const TPixelRect& strip, TTabPosition position);

// A tab's rectangle in the control brought into the work bitmap, whose width
// is `workWidth`. Top and bottom tabs move one pixel towards the page.
TPixelRect TabInWorkStrip(const TPixelRect& tab, TTabPosition position, const TPixelRect& control,
                          const TPixelRect& pageBorder, int workWidth);

// Turns the tab and page-border pictures for the side: both upside down for
// the bottom; for the left and right only the border is turned (the tab
// picture stays upright, as the strip is turned after drawing).
void TurnTabPictures(TTabPosition position, TSkinBitmap& tab, TSkinBitmap& border);

// Turns the drawn work strip to the control's side (left: anticlockwise,
// right: clockwise; top and bottom stay).
void TurnWorkStrip(TTabPosition position, TSkinBitmap& strip);

}  // namespace skin
