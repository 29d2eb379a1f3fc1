#include "skin/engine/geometry/key_colour_copy.h"

#include <algorithm>
#include <cstring>

namespace skin {

void CopyUnlessKey(const TConstPixelView& from, const TPixelView& to, std::uint8_t red, std::uint8_t green,
                   std::uint8_t blue) {
  const int width = std::min(from.Width, to.Width);
  const int height = std::min(from.Height, to.Height);
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* in = from.Row(y);
    std::uint8_t* out = to.Row(y);
    for (int x = 0; x < width; ++x, in += 3, out += 3) {
      if (in[0] == blue && in[1] == green && in[2] == red) continue;
      out[0] = in[0];
      out[1] = in[1];
      out[2] = in[2];
    }
  }
}

void CopyPixelsAt(const TConstPixelView& from, const TPixelView& to, int left, int top, bool transparent,
                  std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  // In 64 bits: a far-off corner plus a width does not wrap round.
  const long long x0 = std::max<long long>(left, 0), y0 = std::max<long long>(top, 0);
  const long long x1 = std::min<long long>(static_cast<long long>(left) + from.Width, to.Width);
  const long long y1 = std::min<long long>(static_cast<long long>(top) + from.Height, to.Height);
  if (x0 >= x1 || y0 >= y1) return;
  const int width = static_cast<int>(x1 - x0), height = static_cast<int>(y1 - y0);
  const TConstPixelView source{from.Row(static_cast<int>(y0 - top)) + (x0 - left) * 3, from.Stride, width, height};
  const TPixelView target{to.Row(static_cast<int>(y0)) + x0 * 3, to.Stride, width, height};
  if (transparent) return CopyUnlessKey(source, target, red, green, blue);
  for (int y = 0; y < height; ++y) std::memcpy(target.Row(y), source.Row(y), static_cast<std::size_t>(width) * 3);
}

}  // namespace skin
