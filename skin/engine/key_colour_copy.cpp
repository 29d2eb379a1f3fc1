#include "skin/engine/key_colour_copy.h"

#include <algorithm>

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

}  // namespace skin
