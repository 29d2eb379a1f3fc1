#pragma once
// Painting one scroll bar from the skin's pictures: the arrow strip (up,
// down, left and right arrows in four states, the thumb's ridges in three,
// the size grip), the track of the bar's orientation in four states and its
// thumb in three, at the places a scroll-bar layout gives.

#include <windows.h>

#include "skin/data/skin_settings.h"
#include "skin/engine/geometry/scroll_bar_layout.h"

namespace skin {

// The states of a bar's parts.
struct TScrollBarLook {
  TScrollPart Hot = TScrollPart::None;
  TScrollPart Pressed = TScrollPart::None;
  bool FirstArrowDisabled = false;
  bool SecondArrowDisabled = false;
  // The whole bar disabled: its track too.
  bool Disabled = false;
  bool operator==(const TScrollBarLook&) const = default;
};

// Whether the skin has every picture a bar of that orientation needs.
bool CanPaintScrollBar(const TSkinSettings& skin, bool vertical);
// Paints the bar whose layout lies inside `bar` (both in the DC's
// coordinates), off-screen first and then in one copy. Nothing when the
// skin lacks a picture.
void PaintScrollBar(HDC dc, const RECT& bar, const TScrollBarLayout& layout, const TScrollBarLook& look,
                    const TSkinSettings& skin);
// The size grip, over the skin's button face; false when the skin has no
// arrow strip.
bool PaintSizeGrip(HDC dc, const RECT& rect, const TSkinSettings& skin);

}  // namespace skin
