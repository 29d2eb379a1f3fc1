#pragma once
// The program's icon in the notification area, for a calendar that stays
// resident: a tooltip, a click and a context menu. It has a hidden window of
// its own to hear the shell's notifications.

#include <windows.h>

#include <functional>
#include <string>

namespace DateWin {

class TNotificationIcon {
 public:
  // Adds the program's icon with the tooltip (at most 127 characters shown).
  explicit TNotificationIcon(const std::wstring& tip);
  ~TNotificationIcon();  // removes the icon
  TNotificationIcon(const TNotificationIcon&) = delete;
  TNotificationIcon& operator=(const TNotificationIcon&) = delete;

  void SetTip(const std::wstring& tip);

  // A left click; the pointer coming over the icon, which is when its tip is
  // about to show; a right click with the pointer's screen position.
  std::function<void()> OnClick;
  std::function<void()> OnHover;
  std::function<void(POINT screen)> OnMenu;

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  bool Notify(DWORD what);

  HWND window_ = nullptr;
  std::wstring tip_;
};

}  // namespace DateWin
