#pragma once
// A menu item's face rendered once for an item size and state, then laid
// over each item of that size without its transparent pixels by at most two
// copies: the items of one popup all share their width.

#include <windows.h>

#include "skin/data/skin_elements.h"
#include "skin/engine/gdi/offscreen_bitmap.h"

namespace skin {

class TMenuItemFace {
 public:
  bool Matches(int width, int height, int frame) const {
    return width == width_ && height == height_ && frame == frame_;
  }
  // Cell `frame` of `frameCount` of the element's picture, nine-sliced to the size.
  void Render(const TDataSkinObject& element, int width, int height, int frameCount, int frame);
  // At (0, 0) of the device context, leaving it where the face is transparent.
  void Draw(HDC dc) const;

 private:
  enum class TKind { Opaque, Keyed, Blank };

  int width_ = 0;
  int height_ = 0;
  int frame_ = 0;
  TKind kind_ = TKind::Blank;
  // Key-coloured pixels black, and the mask white where they were.
  TOffscreenBitmap face_;
  TOffscreenBitmap mask_;
};

}  // namespace skin
