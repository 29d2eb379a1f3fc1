#pragma once
// Carrying out a slice plan in pixels: every copy of every piece, in order.

#include "skin/engine/geometry/pixel_view.h"
#include "skin/engine/geometry/slice_plan.h"

namespace skin {

// Draws the plan's pieces from `picture` into `destination` (the plan's
// target bitmap); copies running past it are cut at its edges.
void RenderSlicePlan(const TConstPixelView& picture, const TSlicePlan& plan, const TPixelView& destination);

}  // namespace skin
