#pragma once
// Pictures shaped like a skin's window frame for the drawing benchmarks: a
// strip of cells with a shaded face and magenta-cut rounded corners, and a
// title strip as wide as a window.

#include "skin/data/skin_bitmap.h"

namespace skinbench {

// `cells` cells of size x size side by side; each corner cut by a quarter circle of magenta.
inline skin::TSkinBitmap FrameStrip(int cells, int size) {
  skin::TSkinBitmap picture(cells * size, size);
  const int radius = size / 6;
  for (int n = 0; n < cells; ++n) {
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        const int dx = x < radius ? radius - x : (x >= size - radius ? x - (size - radius - 1) : 0);
        const int dy = y < radius ? radius - y : (y >= size - radius ? y - (size - radius - 1) : 0);
        const bool cut = dx * dx + dy * dy > radius * radius;
        picture.SetPixel(n * size + x, y, cut ? RgbColour(255, 0, 255) : RgbColour(40 + x, 60 + y, 90 + 40 * n));
      }
    }
  }
  return picture;
}

// A window's title strip: 800 x 30 with rounded top corners.
inline skin::TSkinBitmap TitleStrip() {
  skin::TSkinBitmap strip(800, 30);
  const skin::TSkinBitmap corners = FrameStrip(1, 60);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 800; ++x) strip.SetPixel(x, y, corners.Pixel(x < 30 ? x : (x >= 770 ? x - 740 : 30), y));
  return strip;
}

}  // namespace skinbench
