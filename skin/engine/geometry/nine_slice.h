#pragma once
// Cutting a cell into four corners, four edges and a centre over a target of
// any size: corners keep their size, edges stretch along their length, the
// centre stretches or is tiled at its own size.

#include "skin/engine/geometry/pixel_rect.h"
#include "skin/engine/geometry/slice_margins.h"
#include "skin/engine/geometry/slice_plan.h"

namespace skin {

// The pieces of `cell` over a target bitmap of width x height, in the order
// top-left, bottom-left, top-right corner, left edge, top edge, centre,
// bottom-right corner, right edge, bottom edge. Negative margins count as 0;
// when the target is narrower than left + right both are dropped, when lower
// than top + bottom both are dropped. Source rectangles stay inside the cell.
TSlicePlan NineSlicePlan(const TPixelRect& cell, int width, int height, TSliceMargins margins, bool tileCentre);

// The same pieces without the centre, all stretched: a frame drawn around
// what the target already shows.
TSlicePlan FrameEdgesPlan(const TPixelRect& cell, int width, int height, TSliceMargins margins);

}  // namespace skin
