#pragma once
// The one scratch bitmap of the skin painters: whoever composes a picture
// off-screen before copying it in one transfer (menu items, speed buttons,
// progress bars) composes it here, one picture at a time. It only grows, so
// it is made again only for a larger picture. Its canvas stretches with
// COLORONCOLOR: skin pictures scaled down keep their colours instead of
// being ANDed into black.

#include "ui/graphics/bitmap.h"
#include "ui/graphics/canvas.h"

namespace skin {

class TWorkBitmap {
 public:
  ui::TBitmap& Bitmap() { return bitmap_; }
  // The bitmap's canvas, its stretch mode set (the device context may be new
  // after the bitmap was resized).
  ui::TCanvas& Canvas();
  // The canvas, the bitmap grown first to at least `width` x `height`.
  ui::TCanvas& CanvasOfAtLeast(int width, int height);

 private:
  ui::TBitmap bitmap_;
};

// Made on first use, released when the program ends.
TWorkBitmap& SharedWorkBitmap();

}  // namespace skin
