// The window as a transient pop-up: shown on today, moved by dragging
// anywhere that is not a control, closed (ending the program) as soon as it
// loses activation to any window but a box of its own; hidden instead when
// it stays resident.

#include <windows.h>

#include "ui/forms/application.h"
#include "window/frm_date.h"
#include "window/single_instance.h"

namespace DateWin {
namespace {

// The system's move command with the caption hit-test code: the window
// follows the mouse as if its caption bar were dragged.
constexpr WPARAM kMoveByCaption = SC_MOVE | HTCAPTION;

// A window of this thread that `calendar` owns: its modal boxes, such as the
// error box of a handler.
bool IsOwnedWindow(HWND window, HWND calendar) {
  if (!window || GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) return false;
  for (HWND owner = GetWindow(window, GW_OWNER); owner; owner = GetWindow(owner, GW_OWNER))
    if (owner == calendar) return true;
  return false;
}

}  // namespace

// Activation passing to a box of the window's own is not the user leaving the
// calendar: closing would end the program and the box with it before the user
// read it. Activation comes back here when the box is dismissed.
void TFRM_Date::WndProc(ui::TMessage& message) {
  const bool toOwnWindow = message.Msg == WM_ACTIVATE && LOWORD(message.WParam) == WA_INACTIVE &&
                           IsOwnedWindow(reinterpret_cast<HWND>(message.LParam), Handle());
  if (toOwnWindow) return DefaultHandler(message);
  if (message.Msg == ShowCalendarMessage()) return BringToFront();
  // Wheel turns over any control reach the window: a control passes on what it does not use.
  if (message.Msg == WM_MOUSEWHEEL) return TurnByWheel(GET_WHEEL_DELTA_WPARAM(message.WParam));
  ui::TForm::WndProc(message);
}

void TFRM_Date::FormShow(ui::TComponent*) {
  Selection = TSelection(StartDate);
  ShowMonth(StartDate);
}

void TFRM_Date::FormMouseDown(ui::TComponent*, ui::TMouseButton, ui::TShiftState shift, int, int) {
  if (!(shift & ui::ssLeft)) return;
  ReleaseCapture();
  SendMessageW(Handle(), WM_SYSCOMMAND, kMoveByCaption, 0);
}

// A resident calendar waits hidden for its icon to be clicked.
void TFRM_Date::FormDeactivate(ui::TComponent*) {
  if (Resident())
    Hide();
  else
    Close();
}

// The application must not free the window at exit; closing the main window
// ends the program, so the icon goes with it now.
void TFRM_Date::FormClose(ui::TComponent*, ui::TCloseAction&) {
  icon_.reset();
  ui::Application().RemoveComponent(this);
}

}  // namespace DateWin
