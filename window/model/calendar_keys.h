#pragma once
// What the keys and the wheel do in the calendar window. Page Up/Down turn the
// month, Ctrl+Page Up/Down the year, the arrows move the selected day (a day
// left and right, a week up and down), Home returns to today, Esc closes. While
// the search box has the focus, the arrows, Home and End are its own; Page
// Up/Down, Esc and the wheel still act on the calendar. The wheel turns a month
// a notch, down (towards the user) to the next.
//
// The window passes a key-down's virtual-key code as it comes, and a wheel
// message's delta:
//
//   const TCalendarCommand command = CommandForKey({key, ctrlDown, edit has focus});
//   if (command == TCalendarCommand::Close) Close();
//   else if (Navigate(selection, command)) ShowMonth(...);   // the key is taken
//
//   if (const int months = wheel.Add(delta)) { selection.TurnMonths(months); ShowMonth(...); }

#include "window/model/selection.h"

namespace DateWin {

// Virtual-key codes as Windows numbers them.
namespace TVirtualKey {
constexpr int Escape = 0x1B;
constexpr int PageUp = 0x21;    // VK_PRIOR
constexpr int PageDown = 0x22;  // VK_NEXT
constexpr int End = 0x23;
constexpr int Home = 0x24;
constexpr int Left = 0x25;
constexpr int Up = 0x26;
constexpr int Right = 0x27;
constexpr int Down = 0x28;
}  // namespace TVirtualKey

enum class TCalendarCommand {
  None,  // not the calendar's: the key goes to the control with the focus
  PreviousMonth,
  NextMonth,
  PreviousYear,
  NextYear,
  PreviousDay,
  NextDay,
  PreviousWeek,
  NextWeek,
  Today,
  Close,
};

struct TKeyPress {
  int VirtualKey;
  bool Control;           // Ctrl held
  bool SearchBoxFocused;  // the search box has the keyboard focus
};

TCalendarCommand CommandForKey(const TKeyPress& key);

// Applies a navigation command; false for None and Close, which move nothing.
bool Navigate(TSelection& selection, TCalendarCommand command);

// Wheel deltas to months: a notch (kWheelNotch) turns one month, and the finer
// steps of smooth wheels add up to notches. Positive months are forward.
class TWheelTurns {
 public:
  static constexpr int kWheelNotch = 120;  // WHEEL_DELTA

  // `delta` as WM_MOUSEWHEEL gives it, positive away from the user (up).
  int Add(int delta);

 private:
  int pending_ = 0;
};

}  // namespace DateWin
