// What creating the window settles before anyone touches it: where it stands,
// what kind of window it is, the application's title and hidden window, and
// the date it opens on.

#include <windows.h>

#include "ui/forms/application.h"
#include "window_test_support.h"

namespace window_test {
namespace {

class StartUpSettings : public WindowTest {};

std::wstring WindowClassName(HWND window) {
  wchar_t name[64];
  return std::wstring(name, static_cast<size_t>(GetClassNameW(window, name, 64)));
}

std::wstring WindowText(HWND window) {
  wchar_t text[64];
  return std::wstring(text, static_cast<size_t>(GetWindowTextW(window, text, 64)));
}

TEST_F(StartUpSettings, WindowStandsTwoHundredTwentyPixelsRightOfCentreAndHasAFixedBorderlessClientArea) {
  ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280) << "the tests run on a 1280-pixel-wide virtual screen";
  Open(Date(2026, 5, 15));
  RECT window, client;
  GetWindowRect(form->Handle(), &window);
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(window.left, 704);  // (1280 - 312) / 2 + 220
  EXPECT_EQ(window.top, 160);
  EXPECT_EQ(client.right, 312);
  EXPECT_EQ(client.bottom, 311);
  EXPECT_EQ(window.right - window.left, 312) << "no frame around the client area";
  const LONG_PTR style = GetWindowLongPtrW(form->Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & WS_CAPTION);
  EXPECT_FALSE(style & WS_THICKFRAME);
  // The frame skinner takes the system-menu style away: the skin draws the frame.
  EXPECT_FALSE(style & WS_SYSMENU);
}

TEST_F(StartUpSettings, WindowIsFoundByTheClassAndCaptionASecondCopyLooksFor) {
  Open(Date(2026, 5, 15));
  EXPECT_EQ(WindowClassName(form->Handle()), L"TFRM_Date");
  EXPECT_EQ(WindowText(form->Handle()), L"Rilvanta");
  EXPECT_EQ(FindWindowW(L"TFRM_Date", L"Rilvanta"), form->Handle());
}

TEST_F(StartUpSettings, ApplicationTitleIsEmptiedAndItsHiddenWindowIsOnlyAToolWindow) {
  ui::Application().Handle();
  ui::Application().SetTitle("Rilvanta");
  Open(Date(2026, 5, 15));
  EXPECT_EQ(ui::Application().Title(), "");
  EXPECT_EQ(WindowText(ui::Application().Handle()), L"");
  EXPECT_EQ(GetWindowLongW(ui::Application().Handle(), GWL_EXSTYLE), WS_EX_TOOLWINDOW);
  EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), ui::Application().Handle())
      << "owned by the hidden window, so the calendar has no taskbar button";
}

TEST_F(StartUpSettings, OpensOnTodayWithTodaySelected) {
  Open(Date(2024, 2, 29));
  EXPECT_EQ(form->StartDate, Date(2024, 2, 29));
  EXPECT_EQ(form->Selection.Year(), 2024);
  EXPECT_EQ(form->Selection.Month(), 2);
  EXPECT_EQ(form->Selection.Day(), 29);
  EXPECT_EQ(Text(*form->Label1), "2024");
  EXPECT_EQ(Text(*form->Label17), "2");
  const int cell = CellShowing(29);
  EXPECT_EQ(form->Shape2->Left(), form->DayCells[cell]->Left() - 1);
  EXPECT_EQ(form->Shape2->Top(), form->DayCells[cell]->Top() + 1);
}

TEST_F(StartUpSettings, EveryComponentHasFinishedLoadingBeforeTheWindowShows) {
  Open(Date(2026, 5, 15));
  EXPECT_FALSE(form->Loading());
  for (int index = 0; index < form->ComponentCount(); ++index)
    EXPECT_FALSE(form->Components(index)->Loading()) << form->Components(index)->Name();
}

TEST_F(StartUpSettings, ShowsAndTakesActivation) {
  Open(Date(2026, 5, 15));
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  EXPECT_EQ(GetActiveWindow(), form->Handle());
}

}  // namespace
}  // namespace window_test
