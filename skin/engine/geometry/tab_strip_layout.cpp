#include "skin/engine/geometry/tab_strip_layout.h"

#include <algorithm>
#include <limits>

#include "skin/data/bitmap_operations.h"

namespace skin {
namespace {

constexpr std::uint32_t kVerticalTabs = 0x80, kBottomOrRightTabs = 0x2;
// How far the page border stands outside the page area.
constexpr int kPageBorderWidening = 4;

// Rectangles from a window are small; any others are held at the int range
// rather than wrapping round.
int Held(long long value) {
  return static_cast<int>(
      std::clamp<long long>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

TPixelRect Held(long long left, long long top, long long right, long long bottom) {
  return {Held(left), Held(top), Held(right), Held(bottom)};
}

}  // namespace

TTabPosition TabPositionOfStyle(std::uint32_t style) {
  const bool vertical = (style & kVerticalTabs) != 0, far = (style & kBottomOrRightTabs) != 0;
  if (vertical) return far ? TTabPosition::Right : TTabPosition::Left;
  return far ? TTabPosition::Bottom : TTabPosition::Top;
}

TPixelRect PageBorderRect(const TPixelRect& pageArea, TTabPosition position) {
  long long left = pageArea.Left - static_cast<long long>(kPageBorderWidening);
  long long top = pageArea.Top - static_cast<long long>(kPageBorderWidening);
  long long right = pageArea.Right + static_cast<long long>(kPageBorderWidening);
  long long bottom = pageArea.Bottom + static_cast<long long>(kPageBorderWidening);
  switch (position) {
    case TTabPosition::Top:
      ++top;
      break;
    case TTabPosition::Bottom:
      --bottom;
      break;
    case TTabPosition::Left:
      ++left;
      break;
    case TTabPosition::Right:
      --right;
      break;
  }
  return Held(left, top, right, bottom);
}

TPixelRect TabStripRect(const TPixelRect& control, const TPixelRect& pageBorder, TTabPosition position) {
  switch (position) {
    case TTabPosition::Top:
      return {control.Left, control.Top, control.Right, pageBorder.Top};
    case TTabPosition::Bottom:
      return {control.Left, pageBorder.Bottom, control.Right, control.Bottom};
    case TTabPosition::Left:
      return {control.Left, control.Top, pageBorder.Left, control.Bottom};
    case TTabPosition::Right:
      break;
  }
  return {pageBorder.Right, control.Top, control.Right, control.Bottom};
}

TStripSize WorkStripSize(const TPixelRect& strip, TTabPosition position) {
  const int width = Held(static_cast<long long>(strip.Right) - strip.Left);
  const int height = Held(static_cast<long long>(strip.Bottom) - strip.Top);
  if (position == TTabPosition::Top || position == TTabPosition::Bottom) return {width, height};
  return {height, width};
}

TPixelRect TabInWorkStrip(const TPixelRect& tab, TTabPosition position, const TPixelRect& control,
                          const TPixelRect& pageBorder, int workWidth) {
  const long long left = tab.Left, top = tab.Top, right = tab.Right, bottom = tab.Bottom;
  switch (position) {
    case TTabPosition::Top:
      return Held(left, top + 1, right, bottom + 1);
    case TTabPosition::Bottom: {
      const long long up = pageBorder.Bottom + 1LL;
      return Held(left, top - up, right, bottom - up);
    }
    case TTabPosition::Left:
      return Held(workWidth - bottom, left, workWidth - top, right);
    case TTabPosition::Right:
      break;
  }
  const long long edge = control.Right;
  return Held(top - 1, edge - right, bottom - 1, edge - left);
}

void TurnTabPictures(TTabPosition position, TSkinBitmap& tab, TSkinBitmap& border) {
  switch (position) {
    case TTabPosition::Top:
      break;
    case TTabPosition::Bottom:
      FlipBitmap(tab);
      FlipBitmap(border);
      break;
    case TTabPosition::Left:
      RotateBitmapLeft(border);
      break;
    case TTabPosition::Right:
      RotateBitmapRight(border);
      break;
  }
}

void TurnWorkStrip(TTabPosition position, TSkinBitmap& strip) {
  if (position == TTabPosition::Left) RotateBitmapLeft(strip);
  if (position == TTabPosition::Right) RotateBitmapRight(strip);
}

}  // namespace skin
