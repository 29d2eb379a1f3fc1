// rilvanta.exe itself, seen from outside as another program sees it: its one
// window, the second copy that defers to the first, and the end of the
// program when another window is activated.

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "text/gbk.h"

namespace {

// The program's Unix path as Wine's drive Z: sees it.
std::wstring ProgramPath() {
  std::string path = "Z:" RILVANTA_EXE;
  for (char& c : path)
    if (c == '/') c = '\\';
  return std::wstring(path.begin(), path.end());
}

class Program {
 public:
  Program() {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring commandLine = L"\"" + ProgramPath() + L"\"";
    started_ = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                              &process_) != 0;
  }
  ~Program() {
    if (!started_) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  bool Started() const { return started_; }
  DWORD Id() const { return process_.dwProcessId; }
  // The exit code once the program ended within the time, else nothing.
  std::optional<DWORD> WaitForExit(DWORD milliseconds) const {
    if (WaitForSingleObject(process_.hProcess, milliseconds) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
  }

 private:
  PROCESS_INFORMATION process_{};
  bool started_ = false;
};

// Top-level windows of a class, optionally of one process only.
std::vector<HWND> TopLevelWindows(const wchar_t* className, DWORD processId = 0) {
  struct Search {
    const wchar_t* className;
    DWORD processId;
    std::vector<HWND> found;
  } search{className, processId, {}};
  EnumWindows(
      [](HWND window, LPARAM parameter) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(parameter);
        wchar_t name[64];
        GetClassNameW(window, name, 64);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (lstrcmpW(name, s.className) == 0 && (s.processId == 0 || owner == s.processId)) s.found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForWindow(const std::function<HWND()>& find) {
  for (int attempt = 0; attempt < 300; ++attempt) {
    if (HWND window = find()) return window;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return nullptr;
}

HWND CalendarWindow() { return FindWindowW(L"TFRM_Date", L"Rilvanta"); }

std::wstring WindowText(HWND window) {
  wchar_t text[128];
  return std::wstring(text, static_cast<size_t>(GetWindowTextW(window, text, 128)));
}

TEST(Program, ShowsOneBorderlessWindowRightOfCentreAndEndsWhenAnotherWindowIsActivated) {
  ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280) << "the tests run on a 1280-pixel-wide virtual screen";
  Program calendar;
  ASSERT_TRUE(calendar.Started());
  HWND window = WaitForWindow(CalendarWindow);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(TopLevelWindows(L"TFRM_Date").size(), 1u);
  RECT bounds, client;
  GetWindowRect(window, &bounds);
  GetClientRect(window, &client);
  EXPECT_EQ(bounds.left, 704);
  EXPECT_EQ(bounds.top, 160);
  EXPECT_EQ(client.right, 312);
  EXPECT_EQ(client.bottom, 311);
  EXPECT_EQ(calendar.WaitForExit(500), std::nullopt) << "it stays while it is active";

  HWND other = CreateWindowExW(0, L"STATIC", L"another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetForegroundWindow(other);
  EXPECT_EQ(calendar.WaitForExit(10000), std::optional<DWORD>(0));
  DestroyWindow(other);
}

TEST(Program, SecondCopyTellsTheUserAndEndsWithoutAWindowOfItsOwn) {
  Program first;
  ASSERT_TRUE(first.Started());
  ASSERT_NE(WaitForWindow(CalendarWindow), nullptr);

  Program second;
  ASSERT_TRUE(second.Started());
  const std::wstring message = text::GbkToWide(text::Utf8ToGbk("软件正在运行中!"));
  // The box counts once it shows with its text: while it is being built it
  // still holds every kind of button.
  HWND box = WaitForWindow([&second, &message]() -> HWND {
    for (HWND candidate : TopLevelWindows(L"#32770", second.Id()))
      if (IsWindowVisible(candidate) && FindWindowExW(candidate, nullptr, L"Static", message.c_str())) return candidate;
    return nullptr;
  });
  ASSERT_NE(box, nullptr) << "no message box from the second copy";
  EXPECT_EQ(WindowText(box), L"") << "an empty caption";
  std::vector<HWND> buttons;
  for (HWND child = FindWindowExW(box, nullptr, L"Button", nullptr); child;
       child = FindWindowExW(box, child, L"Button", nullptr))
    if (IsWindowVisible(child)) buttons.push_back(child);
  ASSERT_EQ(buttons.size(), 1u) << "only an OK button";
  HWND ok = buttons.front();
  EXPECT_EQ(GetDlgCtrlID(ok), IDOK);
  EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr) << "the box has no owner";
  EXPECT_TRUE(TopLevelWindows(L"TFRM_Date", second.Id()).empty());

  SendMessageW(ok, BM_CLICK, 0, 0);
  EXPECT_EQ(second.WaitForExit(10000), std::optional<DWORD>(0));
  // The box took activation from the first copy's window, which therefore
  // closed as any deactivated calendar does; nothing more to check there.
}

}  // namespace
