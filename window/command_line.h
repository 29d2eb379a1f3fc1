#pragma once
// What rilvanta.exe is asked to do on its command line.

#include <string>
#include <string_view>

namespace DateWin {

struct TCommandLine {
  // Started with Windows: stay resident in the notification area.
  bool Autostart = false;
  // A skin file worn for this run only; empty for the chosen skin.
  std::wstring SkinFile;
};

// The arguments after the program's name, split at blanks outside double
// quotes. Unknown arguments are ignored, as a program started from the Run
// key has nobody to tell.
TCommandLine ParseCommandLine(std::wstring_view arguments);

}  // namespace DateWin
