#pragma once
// The glyph of a bitmap or speed button (a strip of up to four equal images:
// up, disabled, down, latched down) and how glyph and caption share the face.

#include <windows.h>

#include <functional>
#include <string>

#include "ui/graphics/bitmap.h"
#include "ui/graphics/canvas.h"

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

// The glyph properties of bitmap and speed buttons, and their drawing; a
// change calls the function given at construction (the button repaints).
class TButtonGlyph {
 public:
  // Change the glyph's pixels through this bitmap, then call Invalidate.
  TBitmap& Glyph() { return bitmap_; }
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int count);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout layout);
  // -1 centres glyph and caption together.
  int Margin() const { return margin_; }
  void SetMargin(int margin);
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing);

 protected:
  explicit TButtonGlyph(std::function<void()> changed) : changed_(std::move(changed)) {}
  ~TButtonGlyph() = default;
  TButtonGlyph(const TButtonGlyph&) = delete;
  TButtonGlyph& operator=(const TButtonGlyph&) = delete;
  // One image of the strip; 0 × 0 without a glyph.
  SIZE GlyphSize() const;
  // Glyph and caption (in the canvas font) laid out on the face rectangle;
  // the glyph image for the state, or the first one when the strip lacks it,
  // without the colour of its bottom-left pixel.
  void DrawGlyphAndCaption(TCanvas& canvas, const RECT& face, const std::string& caption, TButtonState state);

 private:
  void DrawGlyph(TCanvas& canvas, POINT at, TButtonState state);

  TBitmap bitmap_;
  int numGlyphs_ = 1;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  std::function<void()> changed_;
};

}  // namespace ui
