#pragma once
// A push button (the system BUTTON control); it clicks when the system says so
// and can answer a modal form.

#include "ui/controls/modal_result.h"
#include "ui/controls/win_control.h"

namespace ui {

class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* owner);
  std::string ClassName() const override { return "TButton"; }

  // A click hands this to the form (its ModalResult, before OnClick); mrNone: nothing.
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult result) { modalResult_ = result; }
  void Click() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  bool ClicksOnMouseUp() const override { return false; }

 private:
  TModalResult modalResult_ = mrNone;
};

}  // namespace ui
