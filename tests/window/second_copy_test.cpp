// rilvanta.exe itself, seen from outside as another program sees it: its one
// window, the second copy that defers to the first, and the end of the
// program when another window is activated.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "running_program.h"
#include "text/gbk.h"

namespace window_test {
namespace {

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

  HWND other = CreateWindowExW(0, L"STATIC", L"another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetForegroundWindow(other);
  EXPECT_EQ(calendar.WaitForExit(60000), std::optional<DWORD>(0));
  DestroyWindow(other);
}

TEST(Program, SecondCopyTellsTheUserAndEndsWithoutAWindowOfItsOwn) {
  TProgram first;
  ASSERT_TRUE(first.Started());
  ASSERT_NE(WaitForWindow([&] { return CalendarWindow(first.Id()); }), nullptr);

  TProgram second;
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
  EXPECT_EQ(second.WaitForExit(60000), std::optional<DWORD>(0));
  // The box took activation from the first copy's window, which therefore
  // closed as any deactivated calendar does; nothing more to check there.
}

}  // namespace
}  // namespace window_test
