#pragma once
// rilvanta.exe started as its own process and seen from outside, as another
// program sees it.

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace window_test {

class Program {
 public:
  Program();   // starts rilvanta.exe
  ~Program();  // ends it when it still runs
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool Started() const { return started_; }
  DWORD Id() const { return process_.dwProcessId; }
  // The exit code once the program ended within the time, else nothing.
  std::optional<DWORD> WaitForExit(DWORD milliseconds) const;

 private:
  PROCESS_INFORMATION process_{};
  bool started_ = false;
};

// Top-level windows of a class, optionally of one process only.
std::vector<HWND> TopLevelWindows(const wchar_t* className, DWORD processId = 0);
// Asks `find` every 50 ms for up to 15 s; the window it found, or nullptr.
HWND WaitForWindow(const std::function<HWND()>& find);
// The calendar window of any running copy.
HWND CalendarWindow();
std::wstring WindowText(HWND window);

}  // namespace window_test
