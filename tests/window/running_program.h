#pragma once
// rilvanta.exe started as its own process and seen from outside, as another
// program sees it.

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace window_test {

// A path of the Linux file system as Wine's drive Z: sees it.
std::wstring WinePath(const char* path);
// The built rilvanta.exe, as Wine's drive Z: sees it.
std::wstring BuiltProgramPath();

class TProgram {
 public:
  // Starts the program; `arguments` follow its quoted path on the command line.
  explicit TProgram(const std::wstring& path = BuiltProgramPath(), const std::wstring& arguments = L"");
  ~TProgram();  // ends it when it still runs
  TProgram(const TProgram&) = delete;
  TProgram& operator=(const TProgram&) = delete;

  bool Started() const { return started_; }
  DWORD Id() const { return process_.dwProcessId; }
  // The exit code once the program ended within the time, else nothing.
  std::optional<DWORD> WaitForExit(DWORD milliseconds) const;

 private:
  PROCESS_INFORMATION process_{};
  bool started_ = false;
};

// Top-level windows of a class (of any, when none is given), optionally of
// one process only.
std::vector<HWND> TopLevelWindows(const wchar_t* className, DWORD processId = 0);
// Asks `condition` every 5 ms until it holds; false once `limit` passed,
// a bound only a broken program reaches even on a busy machine.
bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit = std::chrono::seconds(60));
// The window `find` returns, once it returns one within 60 s; else nullptr.
HWND WaitForWindow(const std::function<HWND()>& find);
// The child window of a class (and caption, when given) anywhere in `parent`.
HWND ChildWindow(HWND parent, const wchar_t* className, const std::wstring& caption = L"");
// The calendar window of a running copy (of any, when no process is given)
// once it is shown and active: the copy has then finished starting and
// handles input in its message loop, as it does for the user. The window
// exists before, hidden, while it is still being placed and activated.
HWND CalendarWindow(DWORD processId = 0);
std::wstring WindowText(HWND window);
// Chooses an item of a window's menu bar by access keys, as the keyboard
// does: Alt and the menu's key open the menu, the item's key picks the item.
void ChooseMenuItem(HWND window, wchar_t menuKey, wchar_t itemKey);
// Chooses the item until `done` holds. Under a heavy load Wine now and then
// loses a key sent to a menu, so when `done` does not hold within 15 s the
// menu is closed and the item chosen again, three times at most.
bool ChooseMenuItemUntil(HWND window, wchar_t menuKey, wchar_t itemKey, const std::function<bool()>& done);

}  // namespace window_test
