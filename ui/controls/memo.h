#pragma once
// A multi-line edit box: Enter starts a new line, lines are separated by
// CR LF in its text, and it may wrap long lines or show scroll bars.

#include "ui/controls/edit.h"

namespace ui {

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TMemo : public TEdit {
 public:
  explicit TMemo(TComponent* owner);
  std::string ClassName() const override { return "TMemo"; }

  // These set the window style, so they take effect when the window is made.
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle scrollBars) { scrollBars_ = scrollBars; }
  // Long lines break at the right edge instead of scrolling sideways.
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap) { wordWrap_ = wordWrap; }

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  TScrollStyle scrollBars_ = TScrollStyle::ssNone;
  bool wordWrap_ = true;
};

}  // namespace ui
