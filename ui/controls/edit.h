#pragma once
// A single-line edit box (the system EDIT control) with a change event and
// the input method it asks for when it receives the focus.

#include "ui/controls/win_control.h"

namespace ui {

class TEdit : public TWinControl {
 public:
  explicit TEdit(TComponent* owner);
  std::string ClassName() const override { return "TEdit"; }

  void Clear() { SetText(""); }

  // The display name (GBK) of the input method to activate on focus, as
  // ActivateInputMethod takes it; empty: keep the current one.
  const std::string& ImeName() const { return imeName_; }
  void SetImeName(const std::string& name) { imeName_ = name; }

  // After every change of the text, by the user or by the program.
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  bool ClicksOnMouseUp() const override { return false; }

 private:
  std::string imeName_;
};

}  // namespace ui
