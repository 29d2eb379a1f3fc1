#pragma once
// A push button (the system BUTTON control); it clicks when the system says so.

#include "ui/win_control.h"

namespace ui {

class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* owner);
  std::string ClassName() const override { return "TButton"; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  bool ClicksOnMouseUp() const override { return false; }
};

}  // namespace ui
