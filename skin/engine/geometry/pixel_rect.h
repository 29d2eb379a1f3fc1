#pragma once
// A rectangle of pixels, left and top inside, right and bottom outside (as
// GDI's RECT), for the drawing geometry that has no Win32 to lean on.

#include <algorithm>

namespace skin {

struct TPixelRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  // No pixel inside: zero or negative width or height.
  bool Empty() const { return Right <= Left || Bottom <= Top; }

  bool operator==(const TPixelRect&) const = default;
};

// The pixels in both; empty (possibly inverted) when they do not meet.
inline TPixelRect Intersection(const TPixelRect& a, const TPixelRect& b) {
  return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
}

}  // namespace skin
