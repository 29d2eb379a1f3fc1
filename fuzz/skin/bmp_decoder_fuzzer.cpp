// Any bytes as a BMP file: a picture within the size limit with a pixel block
// of the right size, or EInvalidGraphic.

#include <cstddef>
#include <cstdint>
#include <span>

#include "skin/data/bmp_decoder.h"

namespace {

// A run-length header may declare up to 16,384 x 16,384 pixels from a few
// bytes: correct, but a gigabyte per run. The limit has its unit tests; the
// fuzzer keeps to smaller pictures.
bool DeclaresQuickPicture(std::span<const std::uint8_t> file) {
  if (file.size() < 26) return true;
  const auto s32 = [&](std::size_t at) {
    return static_cast<std::int32_t>(file[at] | file[at + 1] << 8 | file[at + 2] << 16 |
                                     static_cast<std::uint32_t>(file[at + 3]) << 24);
  };
  const std::int64_t width = s32(18);
  const std::int64_t height = s32(22);
  // Each side first: two sides of -2^31 would overflow the sum of squares.
  constexpr std::int64_t kSide = 4096;
  return width > -kSide && width < kSide && height > -kSide && height < kSide &&
         width * width + height * height < kSide * kSide;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> file(data, size);
  if (!DeclaresQuickPicture(file)) return 0;
  try {
    const skin::TSkinBitmap bitmap = skin::DecodeBmp(file);
    if (bitmap.Width() < 1 || bitmap.Height() < 1 || bitmap.Width() > skin::kMaxBmpSide ||
        bitmap.Height() > skin::kMaxBmpSide) {
      __builtin_trap();
    }
    if (bitmap.Bits().size() != bitmap.Stride() * static_cast<std::size_t>(bitmap.Height())) __builtin_trap();
  } catch (const skin::EInvalidGraphic&) {
  }
  return 0;
}
