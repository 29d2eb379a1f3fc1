#pragma once
// A check box (the system BUTTON control in its three-state style): a click
// checks it, unchecks it or, with AllowGrayed, greys it in between.

#include "ui/controls/button_control.h"

namespace ui {

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCheckBox : public TButtonControl {
 public:
  explicit TCheckBox(TComponent* owner);
  std::string ClassName() const override { return "TCheckBox"; }

  TCheckBoxState State() const;
  void SetState(TCheckBoxState state);
  bool Checked() const { return State() == TCheckBoxState::cbChecked; }
  void SetChecked(bool checked) { SetState(checked ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked); }
  // Whether a click passes through the grey state (unchecked, checked, grey).
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool allow) { allowGrayed_ = allow; }

 protected:
  void Toggle() override;

 private:
  bool allowGrayed_ = false;
};

}  // namespace ui
