#pragma once
// A single-line edit box (the system EDIT control) with a change event.

#include "ui/win_control.h"

namespace ui {

class TEdit : public TWinControl {
 public:
  explicit TEdit(TComponent* owner);
  std::string ClassName() const override { return "TEdit"; }

  void Clear() { SetText(""); }

  // After every change of the text, by the user or by the program.
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  bool ClicksOnMouseUp() const override { return false; }
};

}  // namespace ui
