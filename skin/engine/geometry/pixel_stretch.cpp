#include "skin/engine/geometry/pixel_stretch.h"

#include <algorithm>
#include <cstring>

namespace skin {
namespace {

// Walks the source positions under the centres of target pixels i, i + 1, ...:
// source offset floor((2i + 1) * sourceLength / (2 * targetLength)), kept as
// a quotient and a remainder so that no step divides.
class TCentreWalk {
 public:
  TCentreWalk(long long sourceLength, long long targetLength, long long first)
      : denominator_(2 * targetLength),
        quotientStep_(2 * sourceLength / denominator_),
        remainderStep_(2 * sourceLength % denominator_) {
    const __int128 numerator = static_cast<__int128>(2 * first + 1) * sourceLength;
    offset_ = static_cast<long long>(numerator / denominator_);
    remainder_ = static_cast<long long>(numerator % denominator_);
  }
  long long Offset() const { return offset_; }
  void Next() {
    offset_ += quotientStep_;
    remainder_ += remainderStep_;
    if (remainder_ >= denominator_) {
      remainder_ -= denominator_;
      ++offset_;
    }
  }

 private:
  long long denominator_, quotientStep_, remainderStep_;
  long long offset_ = 0, remainder_ = 0;
};

}  // namespace

void StretchPixels(const TConstPixelView& picture, TPixelRect source, const TPixelView& destination,
                   const TPixelRect& target) {
  source = Intersection(source, {0, 0, picture.Width, picture.Height});
  const TPixelRect visible = Intersection(target, {0, 0, destination.Width, destination.Height});
  if (source.Empty() || target.Empty() || visible.Empty()) return;
  const long long targetWidth = static_cast<long long>(target.Right) - target.Left;
  const long long targetHeight = static_cast<long long>(target.Bottom) - target.Top;
  const std::size_t rowBytes = static_cast<std::size_t>(visible.Width()) * 3;
  const long long firstColumn = static_cast<long long>(visible.Left) - target.Left;
  const bool sameWidth = source.Width() == targetWidth;

  TCentreWalk rows(source.Height(), targetHeight, static_cast<long long>(visible.Top) - target.Top);
  const std::uint8_t* previousRow = nullptr;
  long long previousOffset = -1;
  for (int y = visible.Top; y < visible.Bottom; ++y, rows.Next()) {
    std::uint8_t* out = destination.Row(y) + static_cast<std::size_t>(visible.Left) * 3;
    if (rows.Offset() == previousOffset) {
      std::memcpy(out, previousRow, rowBytes);  // a row stretched down repeats the one above
    } else if (const std::uint8_t* in = picture.Row(source.Top + static_cast<int>(rows.Offset())); sameWidth) {
      std::memcpy(out, in + (source.Left + firstColumn) * 3, rowBytes);
    } else {
      TCentreWalk columns(source.Width(), targetWidth, firstColumn);
      for (std::uint8_t *pixel = out, *end = out + rowBytes; pixel != end; pixel += 3, columns.Next()) {
        const std::uint8_t* from = in + (source.Left + columns.Offset()) * 3;
        pixel[0] = from[0];
        pixel[1] = from[1];
        pixel[2] = from[2];
      }
    }
    previousOffset = rows.Offset();
    previousRow = out;
  }
}

}  // namespace skin
