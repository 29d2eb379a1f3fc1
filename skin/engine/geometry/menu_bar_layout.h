#pragma once
// Where a skinned menu bar puts its buttons, and which key opens each: the
// decisions of the bar that need no window.

#include <string_view>
#include <vector>

#include "skin/engine/geometry/pixel_rect.h"

namespace skin {

struct TMenuBarGeometry {
  int Width = 0;
  int Height = 0;
  // The skin has a menu-bar picture, with these end lengths.
  bool HasPicture = false;
  int LeftWidth = 0;
  int RightWidth = 0;
  // Buttons run from the right edge leftwards.
  bool RightToLeft = false;
};

// Distance of the first button from the bar's leading edge: past the
// picture's end (none when negative) and a lead; 12 when that is more than the
// bar's width.
int FirstButtonOffset(const TMenuBarGeometry& bar);

// One rectangle per caption, in bar coordinates, side by side from the
// leading edge: the caption's width plus 10, nothing for an empty caption
// (width 0), from the top to one row above the bottom.
std::vector<TPixelRect> LayoutMenuBarButtons(const TMenuBarGeometry& bar, const std::vector<int>& captionWidths);

// The character after the caption's single '&' in upper case, or 0 when it
// has none ("&&" stands for an ampersand).
wchar_t MenuAccelerator(std::wstring_view caption);

// Whether the key (either case) is the caption's accelerator.
bool IsMenuAccelerator(std::wstring_view caption, wchar_t key);

}  // namespace skin
