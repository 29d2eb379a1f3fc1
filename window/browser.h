#pragma once
// Opening web pages in the user's default browser.

#include <windows.h>

#include <functional>
#include <string>

namespace DateWin {

// Opens `address` with `owner` as the window the shell reports to. Tests
// hand the window a recorder instead.
using TPageOpener = std::function<void(HWND owner, const std::string& address)>;

// The shell's "open" on the address itself. A browser that cannot start is
// ignored: the calendar has nothing to tell the user.
void OpenInDefaultBrowser(HWND owner, const std::string& address);

}  // namespace DateWin
