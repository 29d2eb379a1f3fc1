#pragma once
// The value that makes Windows start the program: named after the program
// file, holding the command that starts it resident (--autostart).

#include <string>
#include <string_view>

namespace DateWin {

inline constexpr wchar_t kAutostartArgument[] = L"--autostart";

// Wide, as the system reports the program's path: a path need not have a GBK
// form, and a value written through GBK would name another file.
struct TRunValue {
  std::wstring Name;  // the program's file name with its extension
  std::wstring Data;  // the command line Windows runs
};

// For the program's full path. The path is quoted: unquoted, an argument
// after "C:\Program Files\a.exe" would let Windows start C:\Program.exe.
TRunValue RunValueFor(std::wstring_view programPath);

}  // namespace DateWin
