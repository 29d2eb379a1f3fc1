#pragma once
// Stretching pixels colour-on-colour: every target pixel takes the source
// pixel under its centre, whole, never blended (as GDI's COLORONCOLOR).

#include "skin/engine/geometry/pixel_rect.h"
#include "skin/engine/geometry/pixel_view.h"

namespace skin {

// Copies the source rectangle of `picture` stretched to the target rectangle
// of `destination`. The scale is that of the whole rectangles; only the part
// of the target inside the destination is written, and a source reaching
// outside the picture is cut to it first.
void StretchPixels(const TConstPixelView& picture, TPixelRect source, const TPixelView& destination,
                   const TPixelRect& target);

}  // namespace skin
