#include "skin/engine/geometry/scroll_bar_layout.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace skin {
namespace {

// a * b / c rounded to the nearest, for a, b >= 0 and c > 0; wide enough for
// any two ranges of int.
std::int64_t ScaledRounded(std::int64_t a, std::int64_t b, std::int64_t c) {
  return static_cast<std::int64_t>((static_cast<__int128>(a) * b + c / 2) / c);
}

// Offsets along the bar from its start, turned into a rectangle across it.
TPixelRect Along(const TPixelRect& bar, bool vertical, int from, int to) {
  if (vertical) return {bar.Left, bar.Top + from, bar.Right, bar.Top + to};
  return {bar.Left + from, bar.Top, bar.Left + to, bar.Bottom};
}

bool Contains(const TPixelRect& rect, int x, int y) {
  return x >= rect.Left && x < rect.Right && y >= rect.Top && y < rect.Bottom;
}

}  // namespace

TScrollBarLayout LayoutScrollBar(const TPixelRect& bar, bool vertical, const TScrollRange& range,
                                 const TScrollBarMetrics& metrics, bool showThumb) {
  const std::int64_t extent =
      vertical ? static_cast<std::int64_t>(bar.Bottom) - bar.Top : static_cast<std::int64_t>(bar.Right) - bar.Left;
  const int length = static_cast<int>(std::clamp<std::int64_t>(extent, 0, std::numeric_limits<int>::max()));
  int arrow = std::max(metrics.Arrow, 0);
  int thumbSize = 0, thumbStart = 0;
  if (length <= 2 * static_cast<std::int64_t>(arrow) + std::max(metrics.MinTrack, 0)) {
    // Arrows share what is left of the bar, and there is no thumb.
    arrow = length > metrics.MinTrack ? (length - std::max(metrics.MinTrack, 0)) / 2 : 0;
  } else {
    std::int64_t pixels = length - 2 * arrow;
    const std::int64_t span = static_cast<std::int64_t>(range.Max) - range.Min + 1;
    std::int64_t thumb = arrow;
    if (range.Page > 0)
      thumb = span > 0 ? std::max<std::int64_t>(ScaledRounded(pixels, range.Page, span), metrics.MinThumb) : pixels + 1;
    pixels -= thumb;
    if (pixels >= 0 && showThumb) {
      thumbSize = static_cast<int>(thumb);
      thumbStart = arrow;
      // The last position a page still fits from.
      const std::int64_t last =
          static_cast<std::int64_t>(range.Max) - std::max<std::int64_t>(std::int64_t{range.Page} - 1, 0);
      if (range.Min < last) {
        const std::int64_t offset =
            std::clamp<std::int64_t>(static_cast<std::int64_t>(range.Position) - range.Min, 0, last - range.Min);
        thumbStart += static_cast<int>(ScaledRounded(pixels, offset, last - range.Min));
      }
    }
  }
  TScrollBarLayout layout;
  layout.Vertical = vertical;
  layout.Bar = bar;
  layout.FirstArrow = Along(bar, vertical, 0, arrow);
  layout.SecondArrow = Along(bar, vertical, length - arrow, length);
  layout.Track = Along(bar, vertical, arrow, length - arrow);
  if (thumbSize > 0) layout.Thumb = Along(bar, vertical, thumbStart, thumbStart + thumbSize);
  return layout;
}

TPixelRect TScrollBarLayout::FirstTrack() const {
  if (Thumb.Empty()) return Track;
  TPixelRect part = Track;
  (Vertical ? part.Bottom : part.Right) = Vertical ? Thumb.Top : Thumb.Left;
  return part;
}

TPixelRect TScrollBarLayout::SecondTrack() const {
  TPixelRect part = Track;
  if (Thumb.Empty()) {
    (Vertical ? part.Top : part.Left) = Vertical ? part.Bottom : part.Right;
    return part;
  }
  (Vertical ? part.Top : part.Left) = Vertical ? Thumb.Bottom : Thumb.Right;
  return part;
}

TScrollPart TScrollBarLayout::PartAt(int x, int y) const {
  if (Contains(FirstArrow, x, y)) return TScrollPart::FirstArrow;
  if (Contains(SecondArrow, x, y)) return TScrollPart::SecondArrow;
  if (Contains(Thumb, x, y)) return TScrollPart::Thumb;
  if (Contains(FirstTrack(), x, y)) return TScrollPart::FirstTrack;
  if (Contains(SecondTrack(), x, y)) return TScrollPart::SecondTrack;
  return TScrollPart::None;
}

}  // namespace skin
