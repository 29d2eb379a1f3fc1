#pragma once
// The value that makes Windows start the program for every user: named after
// the program file, holding the command that starts it.

#include <string>
#include <string_view>

namespace DateWin {

// Wide, as the system reports the program's path: a path need not have a GBK
// form, and a value written through GBK would name another file.
struct TRunValue {
  std::wstring Name;  // the program's file name with its extension
  std::wstring Data;  // the command line Windows runs
};

// For the program's full path. The data is the path itself, in double quotes
// when it holds a blank: unquoted, "C:\Program Files\a.exe" would let Windows
// start C:\Program.exe instead.
TRunValue RunValueFor(std::wstring_view programPath);

}  // namespace DateWin
