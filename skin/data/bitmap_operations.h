#pragma once
// Turning skin pictures in place (the tab skins draw tabs on every side of a
// control from one picture; the combo button's arrow faces both ways).

#include "skin/data/skin_bitmap.h"

namespace skin {

// Left to right: pixel x takes the value of pixel width - 1 - x.
void MirrorBitmap(TSkinBitmap& bitmap);
// Top to bottom: row y takes the value of row height - 1 - y.
void FlipBitmap(TSkinBitmap& bitmap);
// 90 degrees anticlockwise; (x, y) lands at (y, width - 1 - x).
void RotateBitmapLeft(TSkinBitmap& bitmap);
// 90 degrees clockwise; (x, y) lands at (height - 1 - y, x).
void RotateBitmapRight(TSkinBitmap& bitmap);

}  // namespace skin
