#include "ui/form.h"

#include "ui/application.h"
#include "ui/screen.h"

namespace ui {

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  SetVisible(false);
  SetBounds(0, 0, 320, 240);
  Screen().AddForm(this);
}

TForm::~TForm() {
  BeginDestroy();
  Screen().RemoveForm(this);
  TApplication::FormDestroyed(this);
}

void TForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style = WS_CLIPCHILDREN;
  params.ExStyle = 0;
  switch (borderStyle_) {
    case TFormBorderStyle::bsNone:
      params.Style |= WS_POPUP | WS_SYSMENU;
      break;
    case TFormBorderStyle::bsSingle:
      params.Style |= WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
      break;
    case TFormBorderStyle::bsSizeable:
      params.Style |= WS_OVERLAPPEDWINDOW;
      break;
    case TFormBorderStyle::bsDialog:
      params.Style |= WS_POPUP | WS_CAPTION | WS_SYSMENU;
      params.ExStyle |= WS_EX_DLGMODALFRAME;
      break;
  }
  if (!Enabled()) params.Style |= WS_DISABLED;
}

RECT TForm::FrameSize() {
  TCreateParams params;
  CreateParams(params);
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, params.Style, FALSE, params.ExStyle);
  return RECT{-frame.left, -frame.top, frame.right, frame.bottom};
}

int TForm::ClientWidth() {
  const RECT frame = FrameSize();
  return Width() - frame.left - frame.right;
}

int TForm::ClientHeight() {
  const RECT frame = FrameSize();
  return Height() - frame.top - frame.bottom;
}

void TForm::SetClientSize(int width, int height) {
  const RECT frame = FrameSize();
  SetBounds(Left(), Top(), width + frame.left + frame.right, height + frame.top + frame.bottom);
}

void TForm::Close() {
  TCloseAction action = TCloseAction::caHide;
  if (OnClose) OnClose(this, action);
  if (action == TCloseAction::caNone) return;
  if (Application().MainForm() == this)
    Application().Terminate();
  else if (action == TCloseAction::caHide)
    Hide();
  else
    Release();
}

void TForm::Release() { Application().FreeLater(this); }

void TForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TForm::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_VISIBLECHANGED:
      if (message.WParam)
        ShowWindow(Handle(), SW_SHOW);
      else if (HandleAllocated())
        ShowWindow(Handle(), SW_HIDE);
      return;
    case WM_SHOWWINDOW:
      DefaultHandler(message);
      if (message.LParam == 0 && message.WParam && OnShow) OnShow(this);
      if (message.LParam == 0 && !message.WParam && OnHide) OnHide(this);
      return;
    case WM_ACTIVATE:
      DefaultHandler(message);
      if (LOWORD(message.WParam) == WA_INACTIVE) {
        if (OnDeactivate) OnDeactivate(this);
      } else if (OnActivate) {
        OnActivate(this);
      }
      return;
    case WM_CLOSE:
      return Close();
    default:
      TWinControl::WndProc(message);
  }
}

}  // namespace ui
