#include "tools/skinview/spin_edit.h"

#include <commctrl.h>

#include <cstdlib>

#include "ui/base/common_controls.h"

namespace skinview {
namespace {

constexpr int kUpDownWidth = 16;
constexpr int kHighest = 100;

}  // namespace

HWND TSpinEdit::CreateWindowHandle(const TCreateParams& params) {
  HWND edit = TEdit::CreateWindowHandle(params);
  if (!edit) return edit;
  ui::UseCommonControls(ICC_UPDOWN_CLASS);
  RECT client;
  GetClientRect(edit, &client);
  upDown_ = CreateWindowExW(
      0, UPDOWN_CLASSW, nullptr,
      WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS | (Enabled() ? 0 : WS_DISABLED),
      client.right - kUpDownWidth, 0, kUpDownWidth, client.bottom, edit, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!upDown_) return edit;
  SendMessageW(upDown_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
  SendMessageW(upDown_, UDM_SETRANGE32, 0, kHighest);
  SendMessageW(upDown_, UDM_SETPOS32, 0, std::atoi(Caption().c_str()));
  // The text stops short of the up-down.
  SendMessageW(edit, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, kUpDownWidth + 2));
  return edit;
}

void TSpinEdit::WndProc(ui::TMessage& message) {
  TEdit::WndProc(message);
  if (message.Msg == WM_ENABLE && upDown_) EnableWindow(upDown_, static_cast<BOOL>(message.WParam));
}

}  // namespace skinview
