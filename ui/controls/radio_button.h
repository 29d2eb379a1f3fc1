#pragma once
// A radio button (the system BUTTON control in its radio style): checking it,
// by a click or in code, unchecks the other radio buttons of its parent.

#include "ui/controls/button_control.h"

namespace ui {

class TRadioButton : public TButtonControl {
 public:
  explicit TRadioButton(TComponent* owner);
  std::string ClassName() const override { return "TRadioButton"; }

  bool Checked() const { return CheckState() == BST_CHECKED; }
  void SetChecked(bool checked);

 protected:
  void Toggle() override { SetChecked(true); }
};

}  // namespace ui
