#pragma once
// Painting the pieces of a skinned frame: a border piece from its border
// picture, and the caption text over its optional text background.

#include <windows.h>

#include <string>

#include "skin/data/skin_settings.h"
#include "skin/engine/gdi/gdi_handle.h"
#include "skin/engine/gdi/offscreen_bitmap.h"
#include "skin/engine/geometry/pixel_rect.h"

namespace skin {

enum class TBorderSide { Left = 1, Right = 2, Top = 3, Bottom = 4 };

const TDataSkinBorder& BorderOf(const TSkinSettings& skin, TBorderSide side);

// The piece of the border for a rectangle of this size, rendered from the
// active cell or the inactive one; empty for a rectangle of no pixels.
TBitmapHandle RenderBorderPiece(const TSkinSettings& skin, TBorderSide side, const RECT& rect, bool active);
// Renders the piece and copies it opaquely to the rectangle.
void PaintBorderPiece(HDC dc, const TSkinSettings& skin, TBorderSide side, const RECT& rect, bool active);

// The border pieces of one window as last rendered, active and inactive: a
// repaint of the same size copies them instead of rendering them again.
class TBorderPieceCache {
 public:
  void Paint(HDC dc, const TSkinSettings& skin, TBorderSide side, const RECT& rect, bool active);
  // Forgets every piece (a new skin).
  void Clear();

 private:
  // By side, then inactive and active.
  TOffscreenBitmap pieces_[4][2];
};

struct TCaptionTextStyle {
  HFONT Font = nullptr;
  COLORREF Colour = 0;
  bool Active = true;
  bool RightToLeft = false;
  // A popup window's caption text reaches at least to the right-aligned buttons.
  bool Popup = false;
  int RightButtonsLeft = 0;
  // What the buttons at the title's ends leave to the text: it never runs under them.
  int FreeLeft = 0;
  int FreeRight = 0;
};

// Draws `prefix` + `caption` into the title rectangle, within the free span
// (cut short with an ellipsis), and answers where the text (with its
// background's ends) was placed.
TPixelRect PaintTitleText(HDC dc, const TDataSkinTitle& title, const RECT& rect, const std::wstring& prefix,
                          const std::wstring& caption, const TCaptionTextStyle& style);

}  // namespace skin
