#pragma once
// A push button with a glyph beside its caption, drawn by the library.

#include "ui/controls/button.h"
#include "ui/graphics/button_glyph.h"

namespace ui {

class TBitBtn : public TButton, public TButtonGlyph {
 public:
  explicit TBitBtn(TComponent* owner);
  std::string ClassName() const override { return "TBitBtn"; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;

 private:
  void DrawButton(const DRAWITEMSTRUCT& item);
};

}  // namespace ui
