#include "window/notification_icon.h"

#include <shellapi.h>

#include <algorithm>

#include "ui/base/system_library.h"

namespace DateWin {
namespace {

constexpr wchar_t kWindowClass[] = L"TRilvantaNotificationIcon";
constexpr UINT kIconMessage = WM_APP + 1;
constexpr UINT kIconId = 1;
constexpr int kProgramIcon = 1;  // the program's first icon group

// The shell, restarted, asks every program to add its icons again.
UINT TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

}  // namespace

TNotificationIcon::TNotificationIcon(const std::wstring& tip) : tip_(tip) {
  static const ATOM windowClass = [] {
    WNDCLASSW kind{};
    kind.lpfnWndProc = WindowProcedure;
    kind.hInstance = GetModuleHandleW(nullptr);
    kind.lpszClassName = kWindowClass;
    return RegisterClassW(&kind);
  }();
  window_ = CreateWindowExW(0, MAKEINTATOM(windowClass), L"", 0, 0, 0, 0, 0, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  Notify(NIM_ADD);
}

TNotificationIcon::~TNotificationIcon() {
  Notify(NIM_DELETE);
  DestroyWindow(window_);
}

void TNotificationIcon::SetTip(const std::wstring& tip) {
  if (tip == tip_) return;
  tip_ = tip;
  Notify(NIM_MODIFY);
}

bool TNotificationIcon::Notify(DWORD what) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = window_;
  data.uID = kIconId;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kIconMessage;
  data.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kProgramIcon));
  const std::size_t tipLength = std::min(tip_.size(), std::size(data.szTip) - 1);
  std::copy_n(tip_.begin(), tipLength, data.szTip);
  // shell32 is loaded only by a calendar that stays resident.
  static const auto notifyIcon =
      ui::SystemLibraryFunction<decltype(&Shell_NotifyIconW)>(L"shell32.dll", "Shell_NotifyIconW");
  return notifyIcon && notifyIcon(what, &data);
}

LRESULT CALLBACK TNotificationIcon::WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* icon = reinterpret_cast<TNotificationIcon*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (icon && msg == TaskbarCreatedMessage()) {
    icon->Notify(NIM_ADD);
  } else if (icon && msg == kIconMessage) {
    switch (LOWORD(lParam)) {
      case WM_LBUTTONUP:
        if (icon->OnClick) icon->OnClick();
        break;
      case WM_MOUSEMOVE:
        if (icon->OnHover) icon->OnHover();
        break;
      case WM_RBUTTONUP:
        if (icon->OnMenu) {
          POINT cursor{};
          GetCursorPos(&cursor);
          icon->OnMenu(cursor);
        }
        break;
    }
    return 0;
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}

}  // namespace DateWin
