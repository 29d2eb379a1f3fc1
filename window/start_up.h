#pragma once
// The program: one copy, one window, the message loop until it closes.

#include <string_view>

namespace DateWin {

// `arguments` is the command line after the program's name. Returns the
// program's exit code.
int RunCalendar(std::wstring_view arguments);

}  // namespace DateWin
