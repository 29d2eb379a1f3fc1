#pragma once
// TSkinSpeedButton: a speed button (a tool button without a window) painted
// from the skin's Buttons strip with its glyph image for the state (up,
// disabled, down) and its caption. The button keeps its own press and click
// logic; the skinner only follows it. The face is composed on the shared work
// bitmap.

#include <string>

#include "skin/engine/controls/skin_bit_button.h"

namespace skin {

class TSkinSpeedButton : public TSkinBitButton {
 public:
  using TSkinBitButton::TSkinBitButton;
  std::string ClassName() const override { return "TSkinSpeedButton"; }

  // Chains the speed button's message handler: no window, no colour change.
  void AttachSpeedButton(ui::TControl& control, TSkinData& data, ui::TCanvas& canvas);
  // A speed button is attached as AttachSpeedButton does, whatever `recolour` says.
  void AttachControl(ui::TControl& control, TSkinData& data, bool recolour, ui::TCanvas& canvas) override;
  // Paints on `dc`, or on the button's canvas while its parent paints it;
  // at any other time has the parent repaint it now.
  void PaintSkin(HDC dc) override;

 protected:
  bool BeforeMessage(ui::TMessage& message) override;
  void AfterMessage(ui::TMessage& message) override;

 private:
  void PaintLook(HDC dc, const RECT& rect);
};

}  // namespace skin
