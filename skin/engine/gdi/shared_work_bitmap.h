#pragma once
// The work bitmap that the skin painters share (the menu-bar skinner draws
// through it). Its canvas stretches with COLORONCOLOR: skin pictures scaled
// down keep their colours instead of being ANDed into black.

#include "ui/graphics/bitmap.h"
#include "ui/graphics/canvas.h"

namespace skin {

class TWorkBitmap {
 public:
  ui::TBitmap& Bitmap() { return bitmap_; }
  // The bitmap's canvas, its stretch mode set (the device context may be new
  // after the bitmap was resized).
  ui::TCanvas& Canvas();

 private:
  ui::TBitmap bitmap_;
};

// Made on first use, released when the program ends.
TWorkBitmap& SharedWorkBitmap();

}  // namespace skin
