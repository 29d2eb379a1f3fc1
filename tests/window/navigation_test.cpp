// Moving through the calendar with the mouse and the menus as a user does:
// the selection the window keeps, the date it shows, the marker, and the
// drag that a press on the bare window starts.

#include <windows.h>

#include "ui/forms/application.h"
#include "window_test_support.h"

namespace window_test {
namespace {

class Navigation : public WindowTest {
 protected:
  void ExpectShowing(int year, int month, int markedDay) {
    EXPECT_EQ(Text(*form->Label1), std::to_string(year));
    EXPECT_EQ(Text(*form->Label17), std::to_string(month));
    const int cell = CellShowing(markedDay);
    EXPECT_EQ(form->Shape2->Left(), form->DayCells[cell]->Left() - 1);
    EXPECT_EQ(form->Shape2->Top(), form->DayCells[cell]->Top() + 1);
  }
  void ExpectSelection(int year, int month, int day) {
    EXPECT_EQ(form->Selection.Year(), year);
    EXPECT_EQ(form->Selection.Month(), month);
    EXPECT_EQ(form->Selection.Day(), day);
  }
  // Records the drags the window starts instead of letting the system move it.
  void WatchDrags() {
    const ui::TWndMethod previous = form->WindowProc();
    form->SetWindowProc([this, previous](ui::TMessage& message) {
      if (message.Msg == WM_SYSCOMMAND) return drags.push_back(message.WParam);
      previous(message);
    });
  }
  std::vector<WPARAM> drags;
};

TEST_F(Navigation, ShorterMonthShowsItsLastDayButKeepsTheSelectedDay) {
  Open(Date(2010, 1, 31));
  ChooseMonth(2);
  ExpectShowing(2010, 2, 28);
  ExpectSelection(2010, 2, 31);
  ChooseMonth(3);
  ExpectShowing(2010, 3, 31);
}

TEST_F(Navigation, ChoosingAYearKeepsTheMonthAndDay) {
  Open(Date(2026, 5, 15));
  ChooseYear(1999);
  ExpectShowing(1999, 5, 15);
  ExpectSelection(1999, 5, 15);
  ChooseYear(2050);
  ExpectShowing(2050, 5, 15);
  ChooseYear(1901);
  ExpectShowing(1901, 5, 15);
}

TEST_F(Navigation, TodayPictureReturnsToTodayAndLaterMonthsFollowItsYear) {
  Open(Date(2026, 5, 15));
  ChooseYear(1999);
  ChooseMonth(8);
  ClickControl(*form->image_today);
  ExpectShowing(2026, 5, 15);
  ExpectSelection(2026, 5, 15);
  ChooseMonth(3);
  ExpectShowing(2026, 3, 15);
}

TEST_F(Navigation, SettingsMenuReturnsToToday) {
  Open(Date(2026, 5, 15));
  ChooseYear(1999);
  QueueMenuKeys({VK_DOWN, VK_RETURN});  // 返回今日
  ClickControl(*form->BitBtn5);
  ExpectShowing(2026, 5, 15);
  ExpectSelection(2026, 5, 15);
}

TEST_F(Navigation, RightClickOnTheMonthAndYearWordsOpensTheirMenus) {
  Open(Date(2026, 5, 15));
  QueueMenuKeys({VK_DOWN, VK_DOWN, VK_RETURN});
  RightClick(form->Label18->Left() + 5, form->Label18->Top() + 5);
  ExpectShowing(2026, 2, 15);
  QueueMenuKeys({VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN});  // the decade "1900", its second year
  RightClick(form->Label19->Left() + 5, form->Label19->Top() + 5);
  ExpectShowing(1902, 2, 15);
}

TEST_F(Navigation, ClickingADaySelectsItAndDescribesItWithoutRefillingTheGrid) {
  Open(Date(2009, 2, 1));
  ui::TLabel& day = *form->DayCells[CellShowing(4)];
  ClickControl(day);
  ExpectSelection(2009, 2, 4);
  EXPECT_EQ(form->Shape2->Left(), day.Left() - 1);
  EXPECT_EQ(form->Shape2->Top(), day.Top() + 1);
  EXPECT_EQ(Text(*form->lbl3), Gbk("立春"));
  EXPECT_EQ(Text(*form->lbl2), Gbk("己丑年正月初十"));
  EXPECT_EQ(Text(*form->Label22), Gbk("水瓶座"));
  EXPECT_EQ(Text(*form->Label17), "2");
}

TEST_F(Navigation, ClickingALunarCellPutsTheMarkerWhereItsDayWouldPutIt) {
  Open(Date(2009, 2, 1));
  const int cell = CellShowing(25);
  ClickControl(*form->LunarCells[cell]);
  EXPECT_EQ(form->Selection.Day(), 25);
  EXPECT_EQ(form->Shape2->Left(), form->DayCells[cell]->Left() - 1);
  EXPECT_EQ(form->Shape2->Top(), form->DayCells[cell]->Top() + 1);
}

TEST_F(Navigation, SelectedDayOfAShorterMonthIsDescribedAsItsLastDay) {
  Open(Date(2010, 1, 31));
  ChooseMonth(2);  // the selection stays on day 31
  ClickControl(*form->DayCells[CellShowing(28)]);
  EXPECT_EQ(Text(*form->lbl2).substr(Text(*form->lbl2).size() - 4), Gbk("十五"));  // 28 Feb 2010: 正月十五
}

TEST_F(Navigation, RightButtonPressOnACellSelectsItButOnTheBackgroundDoesNotDrag) {
  Open(Date(2009, 2, 1));
  WatchDrags();
  RightClick(form->DayCells[CellShowing(10)]->Left() + 18, form->DayCells[CellShowing(10)]->Top() + 8);
  EXPECT_EQ(form->Selection.Day(), 10);
  RightClick(150, 300 - 60);  // the grid area below the last row
  RightClick(5, 5);
  EXPECT_TRUE(drags.empty());
}

TEST_F(Navigation, LeftPressOnTheBareWindowStartsTheCaptionDrag) {
  Open(Date(2009, 2, 1));  // rows 4 and 5 empty: the grid area shows there
  WatchDrags();
  Click(100, 230);                      // the grid area (Image1)
  Click(5, 300);                        // the background (Shape1)
  Click(30, 1);                         // the month header area
  Click(form->Label1->Left() + 5, 10);  // the year
  EXPECT_EQ(drags, std::vector<WPARAM>(4, 0xF012));
  drags.clear();
  ClickControl(*form->DayCells[1]);
  ClickControl(*form->Shape2);
  EXPECT_TRUE(drags.empty()) << "cells and the marker do not drag";
}

// The system's move loop runs until the button is released; a timer moves the
// mouse during it and releases the button once the window has followed (or
// after 10 s, a bound only a window that does not follow reaches).
TEST_F(Navigation, DraggingTheBareWindowMovesItWithTheMouse) {
  Open(Date(2009, 2, 1));
  RECT before, after;
  GetWindowRect(form->Handle(), &before);
  const POINT grab{100, 230};  // the empty grid area
  SetCursorPos(before.left + grab.x, before.top + grab.y);
  Pump();
  static POINT target;
  static RECT moved;
  static HWND window;
  static int ticks;
  target = {before.left + grab.x + 40, before.top + grab.y + 25};
  moved = {before.left + 40, before.top + 25, before.right + 40, before.bottom + 25};
  window = form->Handle();
  ticks = 0;
  SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR timer, DWORD) {
    if (++ticks == 1) SetCursorPos(target.x, target.y);
    RECT now;
    GetWindowRect(window, &now);
    if (ticks < 200 && !EqualRect(&now, &moved)) return;
    PostMessageW(window, WM_LBUTTONUP, 0, 0);
    KillTimer(nullptr, timer);
  });
  SendMessageW(form->Panel1->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(grab.x, grab.y));
  Pump();
  GetWindowRect(form->Handle(), &after);
  EXPECT_EQ(after.left - before.left, 40);
  EXPECT_EQ(after.top - before.top, 25);
}

TEST_F(Navigation, UsingTheMenusKeepsTheWindowActiveAndOpen) {
  Open(Date(2026, 5, 15));
  ChooseMonth(7);
  ChooseYear(2001);
  EXPECT_EQ(GetActiveWindow(), form->Handle());
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  EXPECT_FALSE(ui::Application().Terminated());
}

}  // namespace
}  // namespace window_test
