#include "window_test_support.h"

#include "calendar/date_value.h"
#include "text/gbk.h"
#include "ui/forms/application.h"

namespace window_test {

std::string Gbk(std::string_view utf8) { return text::Utf8ToGbk(utf8); }

double Date(int year, int month, int day) { return DateCn::EncodeDate(year, month, day); }

std::string Text(const ui::TControl& control) { return control.Caption(); }

DateWin::TFRM_Date* OpenWindow(double today) {
  auto* form = new DateWin::TFRM_Date(&ui::Application(), [today] { return today; });
  form->DoCreate();
  form->Show();
  Pump();
  return form;
}

void CloseWindow(DateWin::TFRM_Date* form) {
  delete form;
  Pump();
}

void Pump() { ui::Application().ProcessMessages(); }

void WindowTest::TearDown() { CloseWindow(form); }

void WindowTest::Press(int x, int y, UINT downMessage) {
  const WPARAM keys = downMessage == WM_RBUTTONDOWN ? MK_RBUTTON : MK_LBUTTON;
  SendMessageW(form->Panel1->Handle(), downMessage, keys, MAKELPARAM(x, y));
  SendMessageW(form->Panel1->Handle(), downMessage == WM_RBUTTONDOWN ? WM_RBUTTONUP : WM_LBUTTONUP, 0,
               MAKELPARAM(x, y));
}

void WindowTest::Click(int x, int y) { Press(x, y, WM_LBUTTONDOWN); }

void WindowTest::ClickControl(ui::TControl& control) {
  const LPARAM middle = MAKELPARAM(control.Width() / 2, control.Height() / 2);
  if (auto* windowed = dynamic_cast<ui::TWinControl*>(&control)) {
    SendMessageW(windowed->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, middle);
    SendMessageW(windowed->Handle(), WM_LBUTTONUP, 0, middle);
    return;
  }
  Click(control.Left() + control.Width() / 2, control.Top() + control.Height() / 2);
}

void WindowTest::RightClick(int x, int y) { Press(x, y, WM_RBUTTONDOWN); }

void WindowTest::QueueMenuKeys(std::initializer_list<WORD> keys) {
  for (WORD key : keys) {
    PostMessageW(form->Handle(), WM_KEYDOWN, key, 1);
    PostMessageW(form->Handle(), WM_KEYUP, key, 0xC0000001);
  }
}

void WindowTest::ChooseFromMenu(ui::TControl& opener, int item) {
  for (int down = 0; down < item; ++down) QueueMenuKeys({VK_DOWN});
  QueueMenuKeys({VK_RETURN});
  ClickControl(opener);
}

void WindowTest::ChooseMonth(int month) { ChooseFromMenu(*form->SpeedButton1, month); }

void WindowTest::ChooseSetting(int item) { ChooseFromMenu(*form->BitBtn5, item); }

void WindowTest::ChooseYear(int year) {
  const int decade = (year - 1901) / 10, inDecade = (year - 1901) % 10;
  for (int item = 0; item <= decade; ++item) QueueMenuKeys({VK_DOWN});
  QueueMenuKeys({VK_RIGHT});  // opens the decade on its first year
  for (int item = 0; item < inDecade; ++item) QueueMenuKeys({VK_DOWN});
  QueueMenuKeys({VK_RETURN});
  ClickControl(*form->SpeedButton2);
}

int CellShowing(const DateWin::TFRM_Date& form, int day) {
  for (int cell = 1; cell <= DateWin::kCellCount; ++cell)
    if (form.DayCells[cell]->Visible() && form.DayCells[cell]->Tag() == day) return cell;
  ADD_FAILURE() << "no cell shows day " << day;
  return 1;
}

}  // namespace window_test
