#include "ui/controls/edit.h"

#include "ui/base/input_method.h"

namespace ui {

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, 21);
  SetColor(clWindow);
  SetTabStop(true);
}

void TEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClassName = L"EDIT";
  params.Style |= ES_AUTOHSCROLL | ES_LEFT;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TEdit::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND) {
    if (HIWORD(message.WParam) == EN_CHANGE && OnChange) OnChange(this);
    return;
  }
  TWinControl::WndProc(message);
  if (message.Msg == WM_SETFOCUS) ActivateInputMethod(imeName_);
}

}  // namespace ui
