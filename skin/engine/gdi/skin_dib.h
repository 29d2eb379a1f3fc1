#pragma once
// Skin pictures for GDI. A TSkinBitmap already holds the pixel block of a
// top-down 24-bit DIB, so painters can draw it straight from its bits
// (StretchDIBits with SkinBitmapInfo) or keep a DIB section of it.

#include <windows.h>

#include "skin/data/skin_bitmap.h"
#include "skin/engine/gdi/gdi_handle.h"

namespace skin {

// Describes the picture's bits: width, negative height (top-down), 24 bits, no compression.
BITMAPINFO SkinBitmapInfo(const TSkinBitmap& bitmap);

// A DIB section holding a copy of the picture; empty for an empty picture.
TBitmapHandle CreateSkinDib(const TSkinBitmap& bitmap);

}  // namespace skin
