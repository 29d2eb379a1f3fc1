#pragma once
// Writes BMP files in memory for the decoder and reader tests, including
// malformed ones: every header field can be set to any value.

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace skintest {

struct TBmpFields {
  std::int32_t Width = 1;
  std::int32_t Height = 1;  // negative: rows stored top-down
  std::uint16_t BitCount = 24;
  std::uint32_t Compression = 0;  // 0 none, 1 RLE8, 2 RLE4, 3 bit fields
  std::uint32_t HeaderSize = 40;  // 12 writes the OS/2 core header
  std::uint32_t ColorsUsed = 0;
  std::vector<std::uint32_t> Palette;    // colour values, red in the low byte
  std::array<std::uint32_t, 3> Masks{};  // written when compression is 3
  std::vector<std::uint8_t> Pixels;      // stored as they are
  std::int64_t PixelOffset = -1;         // -1: right after the palette
};

std::vector<std::uint8_t> BuildBmp(const TBmpFields& fields);

// Pixel rows for an uncompressed picture, in file order (bottom row first
// unless top-down), each padded to 32 bits; `value(x, y)` gives the pixel of
// picture row y (0 at the top) as an index or packed pixel of bitCount bits.
std::vector<std::uint8_t> PackRows(int width, int height, bool topDown, int bitCount,
                                   const std::function<std::uint32_t(int x, int y)>& value);

// A 24-bit picture whose pixel (x, y) has the colour `rgb(x, y)` (0x00BBGGRR).
std::vector<std::uint8_t> Bmp24(int width, int height, const std::function<std::uint32_t(int x, int y)>& rgb);

}  // namespace skintest
