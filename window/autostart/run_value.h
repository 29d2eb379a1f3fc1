#pragma once
// The value that makes Windows start the program for every user: named after
// the program file, holding the command that starts it.

#include <string>
#include <string_view>

namespace DateWin {

struct RunValue {
  std::string name;  // the program's file name with its extension
  std::string data;  // the command line Windows runs
};

// For the program's full path (GBK). The data is the path itself, in double
// quotes when it holds a blank: unquoted, "C:\Program Files\a.exe" would let
// Windows start C:\Program.exe instead.
RunValue RunValueFor(std::string_view programPath);

}  // namespace DateWin
