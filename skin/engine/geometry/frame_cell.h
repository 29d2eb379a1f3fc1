#pragma once
// Skin pictures are strips of equal cells, one per visual state, numbered
// from 1: side by side, or stacked for a vertical strip.

#include "skin/engine/geometry/pixel_rect.h"

namespace skin {

// The rectangle of cell `frameIndex` in a picture of the given size cut into
// `frameCount` cells (integer division). A count below 1 counts as 1 and the
// index is clamped into 1..frameCount, so a bad skin never reads outside the
// strip; a strip of more cells than pixels gives an empty cell.
TPixelRect FrameCellRect(int pictureWidth, int pictureHeight, bool vertical, int frameCount, int frameIndex);

}  // namespace skin
