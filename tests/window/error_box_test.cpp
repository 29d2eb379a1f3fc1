// An error raised by a handler of the running program: the window made as the
// program makes it (the application's main form, its message loop), the user
// acting from outside. The box takes activation from the calendar, which must
// not take that for the user leaving it: the box stays until dismissed, and
// only then does leaving the calendar end the program. One test, since ending
// the application is for good.

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "ui/forms/application.h"
#include "window/frm_date.h"

namespace window_test {
namespace {

constexpr wchar_t kBoxText[] = L"Failed to set data for 'rilvanta-test-calendar.exe'.";

// Asks `condition` every 20 ms for up to 60 s, a bound only a broken program reaches.
bool WaitFor(const std::function<bool()>& condition) {
  for (int attempt = 0; attempt < 3000; ++attempt) {
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

// The visible error box of this process with the text, else nullptr.
HWND ErrorBox() {
  struct TSearch {
    HWND Found = nullptr;
  } search;
  EnumWindows(
      [](HWND window, LPARAM parameter) -> BOOL {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        wchar_t name[16];
        GetClassNameW(window, name, 16);
        if (process != GetCurrentProcessId() || lstrcmpW(name, L"#32770") != 0 || !IsWindowVisible(window)) return TRUE;
        if (!FindWindowExW(window, nullptr, L"Static", kBoxText)) return TRUE;
        reinterpret_cast<TSearch*>(parameter)->Found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

void PostKey(HWND window, WORD key) {
  PostMessageW(window, WM_KEYDOWN, key, 1);
  PostMessageW(window, WM_KEYUP, key, 0xC0000001);
}

// A real keystroke, to whichever window has the keyboard.
void PressEnter() {
  INPUT keys[2]{};
  keys[0].type = keys[1].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[1].ki.wVk = VK_RETURN;
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, keys, sizeof(INPUT));
}

// What the user saw, step by step; filled by the user's thread.
struct TSeen {
  bool CalendarActive = false;
  HWND Box = nullptr;
  bool BoxOwnedByCalendar = false;
  bool BoxTookActivation = false;
  bool BoxStayed = false;
  bool BoxGoneOnEnter = false;
  bool CalendarActiveAgain = false;
  bool ProgramEnded = false;
};

TEST(ErrorBox, ARefusedStartWithWindowsWriteIsShownUntilTheUserDismissesIt) {
  ui::TApplication& application = ui::Application();
  auto* form = application.CreateForm<DateWin::TFRM_Date>();
  ASSERT_EQ(application.MainForm(), form);
  form->StartWithWindows.ProgramPath = [] { return std::wstring(L"D:\\tools\\rilvanta-test-calendar.exe"); };
  // The key, opened again for reading only, refuses the value.
  form->StartWithWindows.WriteValue = [](DateWin::TRegistry& key, const DateWin::TRunValue& value) {
    key.OpenKeyReadOnly("SOFTWARE\\MicroSoft\\Windows\\CurrentVersion\\Run");
    DateWin::WriteRunValue(key, value);
  };
  const HWND calendar = form->Handle(), settings = form->BitBtn5->Handle();
  const DWORD programThread = GetCurrentThreadId();
  std::atomic<bool> runEnded = false;
  TSeen seen;

  std::thread user([&] {
    seen.CalendarActive = WaitFor([&] { return GetForegroundWindow() == calendar; });
    // "软件设置", then its second item 开机启动, keys queued behind the click.
    PostMessageW(settings, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(settings, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    for (WORD key : {VK_DOWN, VK_DOWN, VK_RETURN}) PostKey(calendar, key);
    WaitFor([&] { return (seen.Box = ErrorBox()) != nullptr; });
    if (seen.Box) {
      seen.BoxOwnedByCalendar = GetWindow(seen.Box, GW_OWNER) == calendar;
      seen.BoxTookActivation = WaitFor([&] { return GetForegroundWindow() == seen.Box; });
      // The calendar was told of the lost activation before the box became
      // active. Two round trips through the box's loop: a quit the calendar
      // posted would have ended the box by the second.
      for (int trip = 0; trip < 2; ++trip) SendMessageTimeoutW(seen.Box, WM_NULL, 0, 0, SMTO_NORMAL, 60000, nullptr);
      seen.BoxStayed = IsWindowVisible(seen.Box) && !runEnded;
      PressEnter();
      seen.BoxGoneOnEnter = WaitFor([&] { return !IsWindow(seen.Box); });
      seen.CalendarActiveAgain = WaitFor([&] { return GetForegroundWindow() == calendar; }) && !runEnded;
    }
    // Now the user leaves: another program's window takes activation.
    HWND other = CreateWindowExW(0, L"STATIC", L"another program", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(other);
    seen.ProgramEnded = WaitFor([&] {
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
      return runEnded.load();
    });
    if (!seen.ProgramEnded) PostThreadMessageW(programThread, WM_QUIT, 0, 0);
    DestroyWindow(other);
  });
  application.Run();
  runEnded = true;
  user.join();

  EXPECT_TRUE(seen.CalendarActive);
  ASSERT_NE(seen.Box, nullptr) << "no error box";
  EXPECT_TRUE(seen.BoxOwnedByCalendar) << "the box belongs to the window the user works in";
  EXPECT_TRUE(seen.BoxTookActivation);
  EXPECT_TRUE(seen.BoxStayed) << "the box vanished before the user could read it";
  EXPECT_TRUE(seen.BoxGoneOnEnter) << "Enter dismisses the box";
  EXPECT_TRUE(seen.CalendarActiveAgain) << "the user is back in the calendar";
  EXPECT_TRUE(seen.ProgramEnded) << "leaving the calendar still ends the program";
}

}  // namespace
}  // namespace window_test
