#pragma once
// A view of 24-bit pixels stored blue, green, red, rows `Stride` bytes apart,
// top row first: the layout of TSkinBitmap and of a top-down 24-bit DIB
// section, so the same code draws into either.

#include <cstddef>
#include <cstdint>

#include "skin/data/skin_bitmap.h"

namespace skin {

template <class TByte>
struct TPixels {
  TByte* Bits = nullptr;
  std::size_t Stride = 0;
  int Width = 0;
  int Height = 0;

  TByte* Row(int y) const { return Bits + static_cast<std::size_t>(y) * Stride; }
};

using TPixelView = TPixels<std::uint8_t>;
using TConstPixelView = TPixels<const std::uint8_t>;

inline TConstPixelView ReadOnly(const TPixelView& view) { return {view.Bits, view.Stride, view.Width, view.Height}; }

inline TConstPixelView PixelsOf(const TSkinBitmap& bitmap) {
  return {bitmap.Bits().data(), bitmap.Stride(), bitmap.Width(), bitmap.Height()};
}
inline TPixelView PixelsOf(TSkinBitmap& bitmap) {
  return {bitmap.Empty() ? nullptr : bitmap.Row(0), bitmap.Stride(), bitmap.Width(), bitmap.Height()};
}

}  // namespace skin
