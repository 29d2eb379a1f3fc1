// Any bytes as a BMP file: a picture within the size limit and the skin's
// memory budget with a pixel block of the right size, EInvalidGraphic, or
// ESkinTooLarge before the pixels are allocated.

#include <cstddef>
#include <cstdint>
#include <span>

#include "skin/data/bmp_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> file(data, size);
  skin::TSkinBudget budget;
  try {
    const skin::TSkinBitmap bitmap = skin::DecodeBmp(file, budget);
    if (bitmap.Width() < 1 || bitmap.Height() < 1 || bitmap.Width() > skin::kMaxBmpSide ||
        bitmap.Height() > skin::kMaxBmpSide) {
      __builtin_trap();
    }
    if (bitmap.Bits().size() != bitmap.Stride() * static_cast<std::size_t>(bitmap.Height())) __builtin_trap();
    if (budget.Used() != bitmap.Bits().size()) __builtin_trap();
  } catch (const skin::EInvalidGraphic&) {
  } catch (const skin::ESkinTooLarge&) {
    if (budget.Used() != 0) __builtin_trap();
  }
  return 0;
}
