#include "skin/engine/geometry/icon_caption_layout.h"

namespace skin {
namespace {

// The gap between the pair and the item's edge it is aligned to.
constexpr int kEdgeGap = 2;
// The gap between the icon and the caption.
constexpr int kIconGap = 1;

}  // namespace

TIconCaptionPlaces PlaceIconCaption(const TPixelRect& item, TCaptionAlignment alignment, int iconWidth, int iconHeight,
                                    int textWidth, int textHeight) {
  // In 64 bits: a skin or a control may hand over any sizes.
  const long long width = static_cast<long long>(item.Right) - item.Left;
  const long long height = static_cast<long long>(item.Bottom) - item.Top;
  const long long room = width - iconWidth - textWidth;
  long long x = kEdgeGap;
  if (alignment == TCaptionAlignment::Centre) x = room / 2;
  if (alignment == TCaptionAlignment::Right) x = room - kEdgeGap;
  const auto at = [](long long value) { return static_cast<int>(value); };
  TIconCaptionPlaces places;
  places.IconLeft = at(static_cast<long long>(item.Left) + x);
  places.IconTop = at(static_cast<long long>(item.Top) + (height - iconHeight) / 2);
  const long long textLeft = static_cast<long long>(item.Left) + x + iconWidth + kIconGap;
  const long long textTop = static_cast<long long>(item.Top) + (height - textHeight) / 2;
  places.Text = {at(textLeft), at(textTop), at(textLeft + textWidth), at(textTop + textHeight)};
  return places;
}

}  // namespace skin
