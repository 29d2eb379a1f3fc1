#pragma once
// rilvanta.exe started as its own process and driven with real mouse and
// keyboard input through its menus, as a user drives it, with the GDI
// objects, windows and memory it holds read from outside.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gui_object_counts.h"
#include "tests/window/running_program.h"

namespace soak {

// A month as the calendar shows it.
struct TShownMonth {
  int Year = 0;
  int Month = 0;
  bool operator==(const TShownMonth&) const = default;
};

class TSoakedCalendar {
 public:
  TSoakedCalendar();  // starts the program and waits for its window, active and painted

  // Empty once the window is up; else what went wrong on the way.
  const std::string& StartFailure() const { return startFailure_; }

  // The year and month menus chosen from their ">" buttons, the settings
  // menu's "返回今日": each returns false when the menu did not open, did not
  // close or the month did not appear.
  bool ChooseMonth(int month);
  bool ChooseYear(int year);  // 1901 ... 2050
  bool ReturnToToday();
  // A menu opened, a group of the year menu too, and left with Escape: the
  // settings menu from its button, the month and year menus as the context
  // menus of "月" and "年".
  bool OpenAndLeaveSettingsMenu();
  bool OpenAndLeaveMonthMenu();
  bool OpenAndLeaveYearMenu(int decade);  // 0 ... 14
  // The pointer moved across every button, resting on each, and back onto
  // the grid; false when the calendar is no longer the active window.
  bool HoverAcrossButtons();

  // The counts once two readings 100 ms apart agree.
  std::optional<test_support::GuiObjectCounts> SettledCounts() const;

 private:
  enum class TButton { Left, Right };
  bool OpenMenu(POINT client, TButton button);
  // Presses the keys in the open menu and waits for the menu to close and,
  // when `shown` changes, for the new month to be painted.
  bool PressInMenu(const std::vector<WORD>& keys, TShownMonth shown);

  window_test::TProgram program_;
  std::string startFailure_;
  HWND window_ = nullptr;
  TShownMonth shown_;
  int clicks_ = 0;
  std::vector<std::uint32_t> before_;  // the month area before the open menu
};

}  // namespace soak
