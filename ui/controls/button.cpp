#include "ui/controls/button.h"

namespace ui {

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
}

void TButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClassName = L"BUTTON";
  params.Style |= BS_PUSHBUTTON;
}

void TButton::Click() {
  if (modalResult_ != mrNone) RootControl()->Perform(CM_MODALRESULT, static_cast<WPARAM>(modalResult_));
  TWinControl::Click();
}

void TButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDBLCLK:
      // A quick second press is another press, not a double click.
      message.Msg = WM_LBUTTONDOWN;
      break;
    case CN_COMMAND:
      if (HIWORD(message.WParam) == BN_CLICKED) Click();
      return;
  }
  TWinControl::WndProc(message);
}

}  // namespace ui
