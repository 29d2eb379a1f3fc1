// rilvanta.exe itself, seen from outside as another program sees it: its one
// window, copies started later or at the same moment, which leave the running
// calendar open and in front, the end of the program when another window is
// activated, the calendar started with Windows, which stays resident, and a
// skin file worn for one run.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "real_input.h"
#include "running_program.h"
#include "screen_pixels.h"
#include "text/gbk.h"

namespace window_test {
namespace {

// Another program's window, activated as the user's click on it would. A new
// one each time: this thread does not handle its windows' messages, so an
// old one never learns that it lost activation. It stands clear of the
// calendar and of the notification area in the top-left corner.
class TOtherWindow {
 public:
  TOtherWindow()
      : window_(CreateWindowExW(0, L"STATIC", L"another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 200, 600, 200, 100,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)) {
    SetForegroundWindow(window_);
  }
  ~TOtherWindow() { DestroyWindow(window_); }
  // Handles this thread's messages until `done` holds, so that the window
  // takes part in the activation that the X server reports late.
  static bool HandleMessagesUntil(const std::function<bool()>& done) {
    return WaitFor([&] {
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
      return done();
    });
  }
  TOtherWindow(const TOtherWindow&) = delete;
  TOtherWindow& operator=(const TOtherWindow&) = delete;

 private:
  HWND window_;
};

std::vector<HWND> VisibleCalendars() {
  std::vector<HWND> visible;
  for (HWND window : TopLevelWindows(L"TFRM_Date"))
    if (IsWindowVisible(window)) visible.push_back(window);
  return visible;
}

// Wine's notification area, shown as a window of its own when the display has none.
HWND NotificationIcon() {
  for (HWND tray : TopLevelWindows(L"__winex11_standalone_tray"))
    if (HWND icon = FindWindowExW(tray, nullptr, L"__winex11_tray_icon", nullptr)) return icon;
  return nullptr;
}

POINT Centre(HWND window) {
  RECT bounds;
  GetWindowRect(window, &bounds);
  return {(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
}

TEST(Program, ShowsOneBorderlessWindowRightOfCentreAndEndsWhenAnotherWindowIsActivated) {
  ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280) << "the tests run on a 1280-pixel-wide virtual screen";
  TProgram calendar;
  ASSERT_TRUE(calendar.Started());
  HWND window = WaitForWindow([&] { return CalendarWindow(calendar.Id()); });
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
  EXPECT_EQ(NotificationIcon(), nullptr) << "started by hand, it has no icon";

  const TOtherWindow other;
  EXPECT_EQ(calendar.WaitForExit(60000), std::optional<DWORD>(0));
}

TEST(Program, ASecondCopyEndsAndTheCalendarStaysOpenInFrontWithoutABoxUntilEsc) {
  TProgram first;
  ASSERT_TRUE(first.Started());
  HWND window = WaitForWindow([&] { return CalendarWindow(first.Id()); });
  ASSERT_NE(window, nullptr);

  TProgram second;
  ASSERT_TRUE(second.Started());
  EXPECT_EQ(second.WaitForExit(60000), std::optional<DWORD>(0));
  EXPECT_EQ(first.WaitForExit(500), std::nullopt) << "the running calendar stays";
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(GetForegroundWindow(), window);
  EXPECT_TRUE(TopLevelWindows(L"#32770").empty()) << "no box took activation";

  real_input::PressKey(VK_ESCAPE);
  EXPECT_EQ(first.WaitForExit(60000), std::optional<DWORD>(0)) << "Esc closes it";
}

TEST(Program, FiveCopiesStartedAtOnceLeaveOneCalendar) {
  std::array<std::unique_ptr<TProgram>, 5> copies;
  for (auto& copy : copies) copy = std::make_unique<TProgram>();
  std::vector<TProgram*> running;
  ASSERT_TRUE(WaitFor([&] {
    running.clear();
    for (auto& copy : copies)
      if (!copy->WaitForExit(0)) running.push_back(copy.get());
    return running.size() == 1;
  })) << running.size()
      << " copies still run";
  for (auto& copy : copies) {
    if (copy.get() == running.front()) continue;
    EXPECT_EQ(copy->WaitForExit(0), std::optional<DWORD>(0));
  }
  HWND window = WaitForWindow([&] { return CalendarWindow(running.front()->Id()); });
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(VisibleCalendars(), std::vector<HWND>{window});

  const TOtherWindow other;
  EXPECT_EQ(running.front()->WaitForExit(60000), std::optional<DWORD>(0));
}

// Started with Windows: deactivated it hides and runs on; the icon shows it
// again, and so does a second copy; the icon's 退出 ends it.
TEST(Program, StartedWithWindowsItStaysResidentBehindAnIconUntilItsExitItem) {
  TProgram calendar(BuiltProgramPath(), L"--autostart");
  ASSERT_TRUE(calendar.Started());
  HWND window = WaitForWindow([&] { return CalendarWindow(calendar.Id()); });
  ASSERT_NE(window, nullptr);
  HWND icon = WaitForWindow(NotificationIcon);
  ASSERT_NE(icon, nullptr) << "no icon in the notification area";
  // Its tooltip: today's date, then the lunar one.
  real_input::MoveMouseTo(Centre(icon));
  std::wstring tip;
  EXPECT_TRUE(WaitFor([&] {
    for (HWND tooltip : TopLevelWindows(L"tooltips_class32")) {
      wchar_t text[128] = L"";
      if (IsWindowVisible(tooltip)) SendMessageW(tooltip, WM_GETTEXT, 128, reinterpret_cast<LPARAM>(text));
      if (*text) tip = text;
    }
    return !tip.empty();
  }));
  SYSTEMTIME now;
  GetLocalTime(&now);
  EXPECT_NE(tip.find(std::to_wstring(now.wYear)), std::wstring::npos) << text::WideToUtf8(tip);
  EXPECT_NE(tip.find(L"年"), std::wstring::npos) << "the lunar year";

  const auto hidden = [window] { return !IsWindowVisible(window); };
  {
    const TOtherWindow other;
    EXPECT_TRUE(TOtherWindow::HandleMessagesUntil(hidden)) << "deactivated, it hides";
    EXPECT_EQ(calendar.WaitForExit(500), std::nullopt) << "and runs on";
  }
  real_input::ClickAt(Centre(icon));
  EXPECT_EQ(WaitForWindow([&] { return CalendarWindow(calendar.Id()); }), window) << "the icon shows it";
  {
    const TOtherWindow other;
    ASSERT_TRUE(TOtherWindow::HandleMessagesUntil(hidden));
  }
  {
    TProgram second;
    EXPECT_EQ(second.WaitForExit(60000), std::optional<DWORD>(0));
  }
  EXPECT_EQ(WaitForWindow([&] { return CalendarWindow(calendar.Id()); }), window) << "a second copy shows it";

  // 退出, the icon menu's only item.
  real_input::RightClickAt(Centre(icon));
  ASSERT_TRUE(WaitFor([&] {
    const std::vector<HWND> menus = TopLevelWindows(L"#32768", calendar.Id());
    return std::any_of(menus.begin(), menus.end(), IsWindowVisible);
  }));
  real_input::PressKey(VK_DOWN);
  real_input::PressKey(VK_RETURN);
  EXPECT_EQ(calendar.WaitForExit(60000), std::optional<DWORD>(0));
  EXPECT_TRUE(WaitFor([] { return NotificationIcon() == nullptr; })) << "the icon goes with the program";
}

// The "软件设置" button on the screen once the skin has painted it: the
// pixels no longer change between two looks.
std::vector<std::uint32_t> SettledSettingsButton(HWND calendar) {
  RECT area;
  GetWindowRect(calendar, &area);
  area = {area.left + 238, area.top + 256, area.left + 238 + 71, area.top + 256 + 25};
  std::vector<std::uint32_t> last = ScreenPixels(area), now;
  WaitFor([&] {
    Sleep(300);
    now = ScreenPixels(area);
    return std::exchange(last, now) == now;
  });
  return now;
}

// The calendar a copy shows, its settings button as painted, the copy ended.
std::vector<std::uint32_t> SettingsButtonOf(TProgram& calendar) {
  HWND window = WaitForWindow([&] { return CalendarWindow(calendar.Id()); });
  if (!window) return {};
  const std::vector<std::uint32_t> pixels = SettledSettingsButton(window);
  const TOtherWindow other;
  EXPECT_EQ(calendar.WaitForExit(60000), std::optional<DWORD>(0));
  return pixels;
}

TEST(Program, ASkinFileIsWornForTheRunAndABadOneIsSaidOnceAndTheSkinStays) {
  TProgram plain;
  const std::vector<std::uint32_t> defaultLook = SettingsButtonOf(plain);
  ASSERT_FALSE(defaultLook.empty());

  TProgram dark(BuiltProgramPath(), L"--skin \"" + WinePath(RILVANTA_DARK_SKIN) + L"\"");
  const std::vector<std::uint32_t> darkLook = SettingsButtonOf(dark);
  EXPECT_NE(darkLook, defaultLook) << "the file's skin is worn";

  // Garbage in a skin file's name.
  wchar_t folder[MAX_PATH];
  const std::wstring bad = std::wstring(folder, GetTempPathW(MAX_PATH, folder)) + L"rilvanta-bad-skin.skn";
  HANDLE file = CreateFileW(bad.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, "no skin at all", 14, &written, nullptr);
  CloseHandle(file);
  TProgram broken(BuiltProgramPath(), L"--skin \"" + bad + L"\"");
  HWND box = WaitForWindow([&]() -> HWND {
    for (HWND candidate : TopLevelWindows(L"#32770", broken.Id()))
      if (IsWindowVisible(candidate)) return candidate;
    return nullptr;
  });
  ASSERT_NE(box, nullptr) << "the bad file is said";
  HWND text = FindWindowExW(box, nullptr, L"Static", nullptr);
  while (text && WindowText(text).empty()) text = FindWindowExW(box, text, L"Static", nullptr);
  EXPECT_NE(WindowText(text).find(L"rilvanta-bad-skin.skn"), std::wstring::npos) << "naming the file";
  SendMessageW(FindWindowExW(box, nullptr, L"Button", nullptr), BM_CLICK, 0, 0);
  EXPECT_EQ(SettingsButtonOf(broken), defaultLook) << "the calendar keeps its skin";
  EXPECT_EQ(TopLevelWindows(L"#32770", broken.Id()).size(), 0u) << "one box only";
  DeleteFileW(bad.c_str());
}

}  // namespace
}  // namespace window_test
