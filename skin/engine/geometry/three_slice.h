#pragma once
// Cutting a cell into a left end, a middle and a right end, all stretched to
// the target's height: the ends keep their width, the middle is repeated at
// its own width.

#include "skin/engine/geometry/pixel_rect.h"
#include "skin/engine/geometry/slice_plan.h"

namespace skin {

// The pieces of `cell` over a target bitmap of width x height, in the order
// left end, middle copies (from x = left while a copy starts left of
// width - right), right end. Negative end widths count as 0. A cell no wider
// than its two ends has no middle: only the ends are drawn.
TSlicePlan ThreeSlicePlan(const TPixelRect& cell, int width, int height, int left, int right);

}  // namespace skin
