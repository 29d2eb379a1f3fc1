#pragma once
// Where an item's icon and caption go inside the item (a header column, a
// tab): side by side, icon first, the pair kept two pixels from the left or
// right edge or centred, each centred vertically on its own.

#include "skin/engine/geometry/pixel_rect.h"

namespace skin {

enum class TCaptionAlignment { Left, Centre, Right };

struct TIconCaptionPlaces {
  // The icon's top-left corner; meaningless for an icon of no size.
  int IconLeft = 0;
  int IconTop = 0;
  // The caption's own rectangle, of the measured text's size.
  TPixelRect Text;
};

// `item` is the item's rectangle; the icon and text sizes are measured by
// the caller (0 x 0 for no icon, 0 wide for no text).
TIconCaptionPlaces PlaceIconCaption(const TPixelRect& item, TCaptionAlignment alignment, int iconWidth, int iconHeight,
                                    int textWidth, int textHeight);

}  // namespace skin
