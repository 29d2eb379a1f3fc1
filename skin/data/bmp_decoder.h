#pragma once
// Windows BMP files to skin pictures. Reads 1, 4, 8, 16, 24 and 32 bits per
// pixel, uncompressed, RLE4, RLE8 and bit-field pictures, stored bottom-up or
// top-down, with the OS/2 core header or the Windows info headers (v1 to v5).
// Everything else is refused, as is a picture wider or higher than 16,384
// pixels; a header that lies about sizes or offsets is refused, never followed.

#include <cstdint>
#include <span>
#include <stdexcept>

#include "skin/data/skin_bitmap.h"
#include "skin/data/skin_budget.h"

namespace skin {

// The decoder's refusal; its message names the fault.
class EInvalidGraphic : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

constexpr int kMaxBmpSide = 16384;

// Throws EInvalidGraphic for anything that is not a readable BMP file, and
// ESkinTooLarge, before allocating, when the picture's pixels would pass the
// budget (a run-length file of a few bytes may declare 16,384 x 16,384 pixels).
TSkinBitmap DecodeBmp(std::span<const std::uint8_t> file, TSkinBudget& budget);
// The same with a budget of its own.
TSkinBitmap DecodeBmp(std::span<const std::uint8_t> file);

}  // namespace skin
