// Moving through the calendar: today, the month and year menus, and choosing
// a day in the grid.

#include <windows.h>

#include "window/frm_date.h"
#include "window/locale_texts.h"

namespace DateWin {
namespace {

void PopupAtCursor(ui::TPopupMenu& menu, HWND owner) {
  POINT cursor{};
  GetCursorPos(&cursor);
  menu.Popup(cursor.x, cursor.y, owner);
}

}  // namespace

// The clock may have passed midnight since the last look.
void TFRM_Date::ShowSelection() {
  Selection.SetToday(today_());
  ShowMonth(Selection.ShownDate());
}

void TFRM_Date::ShowToday() {
  Selection.SetToday(today_());
  Selection.GoToToday();
  ShowSelection();
}

void TFRM_Date::image_todayClick(ui::TComponent*) { ShowToday(); }
void TFRM_Date::lbl4Click(ui::TComponent*) { ShowToday(); }
void TFRM_Date::N1Click(ui::TComponent*) { ShowToday(); }

void TFRM_Date::MenuMonth_1Click(ui::TComponent* sender) {
  Selection.ChooseMonth(sender->Tag());
  ShowSelection();
}

void TFRM_Date::MenuYearClick(ui::TComponent* sender) {
  Selection.ChooseYear(sender->Tag());
  ShowSelection();
}

// The shown month and year carry the check, their decade too.
void TFRM_Date::MenuMonthPopup(ui::TComponent*) {
  for (int index = 0; index < MenuMonth->Items()->Count(); ++index) {
    ui::TMenuItem* item = MenuMonth->Items()->Items(index);
    item->SetChecked(item->Tag() == Selection.Month());
  }
}

void TFRM_Date::MenuYearPopup(ui::TComponent*) {
  for (int group = 0; group < MenuYear->Items()->Count(); ++group) {
    ui::TMenuItem* decade = MenuYear->Items()->Items(group);
    bool holdsShown = false;
    for (int index = 0; index < decade->Count(); ++index) {
      const bool shown = decade->Items(index)->Tag() == Selection.Year();
      decade->Items(index)->SetChecked(shown);
      holdsShown = holdsShown || shown;
    }
    decade->SetChecked(holdsShown);
  }
}

void TFRM_Date::SpeedButton1Click(ui::TComponent*) { PopupAtCursor(*MenuMonth, MenuOwnerWindow()); }
void TFRM_Date::SpeedButton2Click(ui::TComponent*) { PopupAtCursor(*MenuYear, MenuOwnerWindow()); }
void TFRM_Date::BitBtn5Click(ui::TComponent*) { PopupAtCursor(*PopupMenu1, MenuOwnerWindow()); }

void TFRM_Date::CnDayMouseDown(ui::TComponent* sender, ui::TMouseButton, ui::TShiftState, int, int) {
  SelectCellDay(*sender);
}

void TFRM_Date::ChnDateMouseDown(ui::TComponent* sender, ui::TMouseButton, ui::TShiftState, int, int) {
  SelectCellDay(*sender);
}

// The grid stays as it is; the marker moves to the pressed cell, whichever of
// its two labels was pressed, and the information texts follow the new day.
void TFRM_Date::SelectCellDay(const ui::TComponent& label) {
  for (int cell = 1; cell <= kCellCount; ++cell) {
    if (DayCells[cell] == &label || LunarCells[cell] == &label) {
      const TPoint marker = MarkerForCell(cell);
      Shape2->SetLeft(marker.Left);
      Shape2->SetTop(marker.Top);
      break;
    }
  }
  Selection.ChooseDay(label.Tag());
  const double date = Selection.ShownDate();
  ShowInformation(InformationFor(date, ShortDateText(date)));
}

// Label21 is left alone: only a shown month sets it.
void TFRM_Date::ShowInformation(const TInformationTexts& info) {
  Label22->SetCaption(info.StarSign);
  lbl1->SetCaption(info.SelectedDate);
  lbl2->SetCaption(info.LunarDate);
  lbl3->SetCaption(info.SpecialDays);
}

void TFRM_Date::CnDayClick(ui::TComponent* sender) { Selection.ChooseDay(sender->Tag()); }
void TFRM_Date::CHnDayClick(ui::TComponent* sender) { Selection.ChooseDay(sender->Tag()); }

}  // namespace DateWin
