#pragma once
// The help page 人工帮助 opens. It ships inside the program, so it works
// when only the .exe is there: it is written out, with its pictures, where
// a browser can open it.

#include <string>

namespace DateWin {

// Writes the page and its pictures into the user's temporary folder and
// returns the page's address (file:///...); empty when they cannot be written.
std::string WriteHelpPage();

}  // namespace DateWin
