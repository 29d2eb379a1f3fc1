#pragma once
// TSkinBitButton: a bitmap button painted from the skin's Buttons strip (all
// its FrameCount frames) with the button's glyph and caption placed as its
// Layout, Margin and Spacing say. The glyph is always its first image, left
// out where it has the colour of its top-left pixel: neither greyed when the
// button is disabled nor shifted when it is pressed.

#include <string>

#include "skin/engine/controls/skin_button.h"
#include "skin/engine/gdi/masked_glyph.h"

namespace ui {
class TButtonGlyph;
}  // namespace ui

namespace skin {

class TSkinBitButton : public TSkinButton {
 public:
  using TSkinButton::TSkinButton;
  std::string ClassName() const override { return "TSkinBitButton"; }

 protected:
  void DrawSkin(HDC dc, const RECT& rect) override;

  // The frames of the Buttons strip.
  int FrameCount() const;
  // Image `image` (from 1) of the glyph and the caption, laid out on the face
  // in the DC's font; without a glyph the caption alone. `speedMargin` moves
  // a group that Margin -1 centres one pixel away from the glyph's side, as
  // speed buttons place it.
  void DrawGlyphAndCaption(HDC dc, const RECT& face, ui::TButtonGlyph* glyph, const std::string& caption, int image,
                           bool speedMargin);

 private:
  TMaskedGlyph glyphImage_;
};

}  // namespace skin
