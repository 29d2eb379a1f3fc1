#pragma once
// A push button with a glyph beside its caption, drawn by the library.

#include "ui/button.h"
#include "ui/button_glyph.h"

namespace ui {

class TBitBtn : public TButton {
 public:
  explicit TBitBtn(TComponent* owner);
  std::string ClassName() const override { return "TBitBtn"; }

  // Change the glyph's pixels through this bitmap, then call Invalidate.
  TBitmap& Glyph() { return glyph_.Bitmap(); }
  int NumGlyphs() const { return glyph_.NumGlyphs(); }
  void SetNumGlyphs(int count);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout layout);
  // -1 centres glyph and caption together.
  int Margin() const { return margin_; }
  void SetMargin(int margin);
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing);

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;

 private:
  void DrawButton(const DRAWITEMSTRUCT& item);

  TButtonGlyph glyph_;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
};

}  // namespace ui
