#pragma once
// A tool button without a window: glyph and caption, pressed while the left
// button is held over it, and latched `Down` within a group of buttons.

#include "ui/controls/graphic_control.h"
#include "ui/graphics/button_glyph.h"

namespace ui {

class TSpeedButton : public TGraphicControl, public TButtonGlyph {
 public:
  explicit TSpeedButton(TComponent* owner);
  std::string ClassName() const override { return "TSpeedButton"; }

  // Buttons of the same parent with the same non-zero GroupIndex latch: a
  // click puts one down and the others up.
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int index) { groupIndex_ = index; }
  // Lets a click raise the one latched button of a group again.
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool on) { allowAllUp_ = on; }
  bool Down() const { return down_; }
  void SetDown(bool down);
  // True while the left button is held with the mouse over the button.
  bool Pressed() const { return pressed_ && mouseOver_; }

  void Click() override;

 protected:
  void WndProc(TMessage& message) override;
  void Paint() override;
  bool DoubleClickPresses() const override { return true; }

 private:
  int groupIndex_ = 0;
  bool allowAllUp_ = false;
  bool down_ = false;
  bool pressed_ = false;
  bool mouseOver_ = false;
};

}  // namespace ui
