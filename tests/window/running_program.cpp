#include "running_program.h"

#include <chrono>
#include <thread>

namespace window_test {

std::wstring WinePath(const char* path) {
  std::string winePath = std::string("Z:") + path;
  for (char& c : winePath)
    if (c == '/') c = '\\';
  return std::wstring(winePath.begin(), winePath.end());
}

std::wstring BuiltProgramPath() { return WinePath(RILVANTA_EXE); }

TProgram::TProgram(const std::wstring& path, const std::wstring& arguments) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  std::wstring commandLine = L"\"" + path + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  started_ = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &process_) != 0;
}

TProgram::~TProgram() {
  if (!started_) return;
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 1);
  WaitForSingleObject(process_.hProcess, 5000);
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

std::optional<DWORD> TProgram::WaitForExit(DWORD milliseconds) const {
  if (WaitForSingleObject(process_.hProcess, milliseconds) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

std::vector<HWND> TopLevelWindows(const wchar_t* className, DWORD processId) {
  struct TSearch {
    const wchar_t* ClassName;
    DWORD ProcessId;
    std::vector<HWND> Found;
  } search{className, processId, {}};
  EnumWindows(
      [](HWND window, LPARAM parameter) -> BOOL {
        auto& s = *reinterpret_cast<TSearch*>(parameter);
        wchar_t name[64];
        GetClassNameW(window, name, 64);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if ((!s.ClassName || lstrcmpW(name, s.ClassName) == 0) && (s.ProcessId == 0 || owner == s.ProcessId))
          s.Found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

HWND WaitForWindow(const std::function<HWND()>& find) {
  HWND found = nullptr;
  WaitFor([&] { return (found = find()) != nullptr; });
  return found;
}

HWND ChildWindow(HWND parent, const wchar_t* className, const std::wstring& caption) {
  struct TSearch {
    const wchar_t* ClassName;
    const std::wstring& Caption;
    HWND Found = nullptr;
  } search{className, caption};
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM parameter) -> BOOL {
        auto& s = *reinterpret_cast<TSearch*>(parameter);
        wchar_t name[64];
        GetClassNameW(child, name, 64);
        if (lstrcmpW(name, s.ClassName) != 0 || (!s.Caption.empty() && WindowText(child) != s.Caption)) return TRUE;
        s.Found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

HWND CalendarWindow(DWORD processId) {
  for (HWND window : TopLevelWindows(L"TFRM_Date", processId))
    if (IsWindowVisible(window) && GetForegroundWindow() == window && WindowText(window) == L"Rilvanta") return window;
  return nullptr;
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

namespace {

bool InMenuMode(HWND window) {
  GUITHREADINFO thread{};
  thread.cbSize = sizeof(thread);
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread) && (thread.flags & GUI_INMENUMODE);
}

}  // namespace

void ChooseMenuItem(HWND window, wchar_t menuKey, wchar_t itemKey) {
  PostMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, menuKey);
  WaitFor([window] { return InMenuMode(window); });
  PostMessageW(window, WM_CHAR, itemKey, 0);
}

bool ChooseMenuItemUntil(HWND window, wchar_t menuKey, wchar_t itemKey, const std::function<bool()>& done) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    ChooseMenuItem(window, menuKey, itemKey);
    if (WaitFor(done, std::chrono::seconds(15))) return true;
    // Ends a menu the lost key left open; the next attempt's Alt ends one this does not.
    PostMessageW(window, WM_CANCELMODE, 0, 0);
    WaitFor([window] { return !InMenuMode(window); }, std::chrono::seconds(5));
  }
  return done();
}

}  // namespace window_test
