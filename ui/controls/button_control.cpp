#include "ui/controls/button_control.h"

namespace ui {

TButtonControl::TButtonControl(TComponent* owner, DWORD buttonStyle) : TWinControl(owner), buttonStyle_(buttonStyle) {
  SetTabStop(true);
  SetParentColor(true);
}

void TButtonControl::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  if (!HandleAllocated()) return;
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE));
  SetWindowLongPtrW(Handle(), GWL_STYLE, (style & ~BS_LEFTTEXT) | AlignmentStyle());
  InvalidateRect(Handle(), nullptr, TRUE);
}

DWORD TButtonControl::AlignmentStyle() const { return alignment_ == TAlignment::taLeftJustify ? BS_LEFTTEXT : 0; }

UINT TButtonControl::CheckState() const {
  if (!HandleAllocated()) return checkState_;
  return static_cast<UINT>(SendMessageW(const_cast<TButtonControl*>(this)->Handle(), BM_GETCHECK, 0, 0));
}

void TButtonControl::SetCheckState(UINT state) {
  checkState_ = state;
  if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, state, 0);
}

void TButtonControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClassName = L"BUTTON";
  params.Style |= buttonStyle_ | AlignmentStyle();
}

HWND TButtonControl::CreateWindowHandle(const TCreateParams& params) {
  HWND window = TWinControl::CreateWindowHandle(params);
  if (window) SendMessageW(window, BM_SETCHECK, checkState_, 0);
  return window;
}

void TButtonControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDBLCLK:
      // A quick second press is another press, not a double click.
      message.Msg = WM_LBUTTONDOWN;
      break;
    case CN_COMMAND:
      if (HIWORD(message.WParam) != BN_CLICKED) return;
      Toggle();
      Click();  // last: a click may free the control
      return;
    case WM_NCDESTROY:
      // A window made again starts from the state this one had.
      checkState_ = CheckState();
      break;
  }
  TWinControl::WndProc(message);
}

}  // namespace ui
