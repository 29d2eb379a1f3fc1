#pragma once
// The glyph of a bitmap or speed button (a strip of up to four equal images:
// up, disabled, down, latched down) and how glyph and caption share the face.

#include <windows.h>

#include <string>

#include "ui/bitmap.h"
#include "ui/canvas.h"

namespace ui {

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
// Order of the images in a glyph strip.
enum class TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

struct TGlyphPlacement {
  POINT Glyph;
  RECT Text;
  UINT TextFormat;  // DT_LEFT, DT_RIGHT or DT_CENTER
};

// Places glyph and caption on a face of the given size. Margin is the gap
// between the face's edge and the group on the layout's side, Spacing the gap
// between glyph and caption; -1 for either spreads the free room evenly
// (Margin -1 alone centres the group). Divisions truncate toward zero.
TGlyphPlacement PlaceGlyphAndCaption(SIZE face, SIZE glyph, SIZE text, TButtonLayout layout, int margin, int spacing);

class TButtonGlyph {
 public:
  TBitmap& Bitmap() { return bitmap_; }
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int count);
  // One image of the strip; 0 × 0 without a glyph.
  SIZE ImageSize() const;
  // The image for the state, the first one when the strip lacks it; the
  // colour of the bottom-left pixel is left out.
  void Draw(TCanvas& canvas, POINT at, TButtonState state);
  // Glyph and caption (in the canvas font) laid out on the face rectangle.
  void DrawWithCaption(TCanvas& canvas, const RECT& face, const std::string& caption, TButtonLayout layout, int margin,
                       int spacing, TButtonState state);

 private:
  TBitmap bitmap_;
  int numGlyphs_ = 1;
};

}  // namespace ui
