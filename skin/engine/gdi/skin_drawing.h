#pragma once
// Drawing skin pictures: a cell of a picture strip cut into fixed corners and
// edges around a stretched or tiled centre (nine-slice), into two ends around
// a repeated middle (three-slice), or stretched whole; copies that leave out
// the transparent key colour; window regions of what is not key-coloured.
//
// Pictures are the skin's own (TSkinBitmap). Every routine builds its result
// off-screen and copies it to the device context in one transfer, and keeps
// no state. Stretching picks whole source pixels (colour-on-colour), never
// blends. Frame indexes are clamped into 1..frameCount.

#include <windows.h>

#include "skin/data/skin_bitmap.h"
#include "skin/data/skin_elements.h"
#include "skin/engine/gdi/gdi_handle.h"
#include "skin/engine/geometry/slice_margins.h"

namespace skin {

// Magenta: the pixels the transparent paths skip and regions cut out.
inline constexpr COLORREF kTransparentKey = RGB(255, 0, 255);

// An element's four margin fields as the fixed borders of its cells.
inline TSliceMargins ElementMargins(const TDataSkinObject& element) {
  return {element.LeftWidth, element.TopHeight, element.RightWidth, element.BottomHeight};
}

// A new 24-bit bitmap of the target's size holding the nine-slice of cell
// `frameIndex`; margins that do not fit the target are dropped in pairs.
// Empty for an empty target.
TBitmapHandle RenderNineSlice(const RECT& target, const TSkinBitmap& source, const TSliceMargins& margins,
                              bool vertical, bool tileCentre, int frameCount, int frameIndex);

// RenderNineSlice at the target rectangle, without the key colour when
// `transparent`; nothing for a rectangle of negative width or height.
void DrawNineSlice(HDC dc, const RECT& target, const TSkinBitmap& source, bool vertical, bool tileCentre,
                   bool transparent, int frameCount, int frameIndex, const TSliceMargins& margins);

// The eight outer pieces of cell `frameIndex`'s nine-slice, stretched over
// the target's edges; what the device context shows inside them stays.
void DrawFrameEdges(HDC dc, const RECT& target, const TSkinBitmap& source, bool vertical, int frameCount,
                    int frameIndex, const TSliceMargins& margins);

// The cell's left end, its middle repeated at its own width while it starts
// left of the right end, then the right end, all stretched to the target's
// height. Only the left and right margins are used.
void DrawThreeSlice(HDC dc, const RECT& target, const TSkinBitmap& source, bool vertical, bool transparent,
                    int frameCount, int frameIndex, const TSliceMargins& margins);

// Cell `frameIndex` of a horizontal strip stretched over the rectangle.
void DrawFrameCell(HDC dc, const RECT& target, const TSkinBitmap& source, bool transparent, int frameCount,
                   int frameIndex);

// Copies the target's width and height of the bitmap, from its top-left
// corner, leaving the destination where the bitmap has the key colour.
void TransparentBlit(HDC dc, const RECT& target, HBITMAP bitmap, COLORREF key = kTransparentKey);

// Repeats the source rectangle of the picture from the target's top-left
// corner while a tile starts inside the target; the last row and column are
// drawn whole, past the target's right and bottom.
void TileBitmap(HDC dc, const RECT& target, const TSkinBitmap& source, const RECT& sourceRect);

// A region of the bitmap's pixels that do not match the key, shifted by
// (dx, dy); the caller owns it. A channel matches from the key's value up to
// the key's value plus its tolerance. A bitmap all of the key colour gives
// an empty region; nullptr only when the bitmap cannot be read.
HRGN RegionFromBitmap(HBITMAP bitmap, int dx, int dy, int blueTolerance, int greenTolerance, int redTolerance,
                      COLORREF key = kTransparentKey);

}  // namespace skin
