#pragma once
// The calendar window opened as the program opens it, with a fixed "today",
// driven with real window messages.

#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "window/frm_date.h"

namespace window_test {

// GBK, as the window holds its texts.
std::string Gbk(std::string_view utf8);
// The date value of a Gregorian date.
double Date(int year, int month, int day);
std::string Text(const ui::TControl& control);

// Creates the window owned by the application (FormCreate runs), shows it
// and handles what that queued. `today` is the date the window's clock gives.
DateWin::TFRM_Date* OpenWindow(double today);
void CloseWindow(DateWin::TFRM_Date* form);
void Pump();

// The grid cell (1-37) that shows `day`; fails the test when none does.
int CellShowing(const DateWin::TFRM_Date& form, int day);

class WindowTest : public ::testing::Test {
 protected:
  void TearDown() override;

  void Open(double today) { form = OpenWindow(today); }

  // Mouse messages to Panel1, which covers the whole client area.
  void Press(int x, int y, UINT downMessage = WM_LBUTTONDOWN);
  void Click(int x, int y);
  // A click in the middle of a control, through its own window if it has one.
  void ClickControl(ui::TControl& control);
  // A right click; its release makes the system ask for the context menu.
  void RightClick(int x, int y);

  // Keystrokes queued for the next menu that opens: it reads them as the user's.
  void QueueMenuKeys(std::initializer_list<WORD> keys);
  // Opens the month menu with its ">" button and chooses month 1-12.
  void ChooseMonth(int month);
  // Opens the year menu with its ">" button and chooses the year's item.
  void ChooseYear(int year);
  // Opens the settings menu with "软件设置" and chooses its item 1-5 (N1 ... N5).
  void ChooseSetting(int item);

  int CellShowing(int day) const { return window_test::CellShowing(*form, day); }

  // Opens a menu by clicking `opener` and chooses its item 1, 2, ...
  void ChooseFromMenu(ui::TControl& opener, int item);

  DateWin::TFRM_Date* form = nullptr;
};

}  // namespace window_test
