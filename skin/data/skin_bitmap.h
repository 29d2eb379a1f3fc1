#pragma once
// The skin's picture type: 24 bits per pixel, rows top-down, each row padded to
// a multiple of four bytes, pixels stored blue, green, red. That is exactly the
// pixel block of a top-down 24-bit device-independent bitmap, so the Win32 side
// hands Bits() to CreateDIBSection/SetDIBits without converting anything.
//
// Copies share their pixels until one of them is written to (through Row or
// SetPixel), so a picture that several elements of a skin use is held once.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "colour/colour.h"

namespace skin {

class TSkinBitmap {
 public:
  TSkinBitmap() = default;
  // A black picture; a side of 0 or less gives the empty picture.
  TSkinBitmap(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0; }
  void Clear() { *this = TSkinBitmap(); }

  // Bytes from one row to the next (width * 3 rounded up to four).
  std::size_t Stride() const { return stride_; }
  // Writing: the picture gets pixels of its own first when it shares them.
  std::uint8_t* Row(int y) { return OwnBits() + static_cast<std::size_t>(y) * stride_; }
  const std::uint8_t* Row(int y) const { return Bits().data() + static_cast<std::size_t>(y) * stride_; }
  std::span<const std::uint8_t> Bits() const;
  // The number of bytes a picture of that size holds.
  static std::size_t BytesFor(int width, int height);

  // Colours in the program's RGB form (red in the low byte); x, y must lie inside.
  TColour Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColour rgb);

  // The part of the picture inside the rectangle, clipped to the picture.
  TSkinBitmap Copy(int x, int y, int width, int height) const;

  bool operator==(const TSkinBitmap& other) const;

 private:
  std::uint8_t* OwnBits();

  int width_ = 0;
  int height_ = 0;
  std::size_t stride_ = 0;
  std::shared_ptr<std::vector<std::uint8_t>> bits_;  // null for the empty picture
};

}  // namespace skin
