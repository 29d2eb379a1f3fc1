#pragma once
// The program: one copy, one window, the message loop until it closes.

namespace DateWin {

// Returns the program's exit code.
int RunCalendar();

}  // namespace DateWin
