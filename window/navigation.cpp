// Moving through the calendar: today, the month and year menus, and choosing
// a day in the grid.

#include <windows.h>

#include "calendar/date_value.h"
#include "window/frm_date.h"
#include "window/locale_texts.h"
#include "window/model/month_dates.h"

namespace DateWin {
namespace {

void PopupAtCursor(ui::TPopupMenu& menu, HWND owner) {
  POINT cursor{};
  GetCursorPos(&cursor);
  menu.Popup(cursor.x, cursor.y, owner);
}

}  // namespace

void TFRM_Date::ShowToday() {
  const double today = today_();
  const DateCn::TCivilDate civil = DateCn::DecodeDate(today);
  SelectedYear = static_cast<std::uint16_t>(civil.Year);
  SelectedMonth = static_cast<std::uint16_t>(civil.Month);
  SelectedDay = static_cast<std::uint16_t>(civil.Day);
  ShowMonth(today);
}

void TFRM_Date::image_todayClick(ui::TComponent*) { ShowToday(); }
void TFRM_Date::lbl4Click(ui::TComponent*) { ShowToday(); }
void TFRM_Date::N1Click(ui::TComponent*) { ShowToday(); }

void TFRM_Date::MenuMonth_1Click(ui::TComponent* sender) {
  SelectedMonth = static_cast<std::uint16_t>(sender->Tag());
  ShowMonth(ClampedDate(SelectedYear, SelectedMonth, SelectedDay));
}

void TFRM_Date::MenuYearClick(ui::TComponent* sender) {
  SelectedYear = static_cast<std::uint16_t>(sender->Tag());
  ShowMonth(ClampedDate(SelectedYear, SelectedMonth, SelectedDay));
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
  SelectedDay = static_cast<std::uint16_t>(label.Tag());
  const double date = ClampedDate(SelectedYear, SelectedMonth, SelectedDay);
  ShowInformation(InformationFor(date, ShortDateText(date)));
}

// Label21 is left alone: only a shown month sets it.
void TFRM_Date::ShowInformation(const TInformationTexts& info) {
  Label22->SetCaption(info.StarSign);
  lbl1->SetCaption(info.SelectedDate);
  lbl2->SetCaption(info.LunarDate);
  lbl3->SetCaption(info.SpecialDays);
}

void TFRM_Date::CnDayClick(ui::TComponent* sender) { SelectedDay = static_cast<std::uint16_t>(sender->Tag()); }
void TFRM_Date::CHnDayClick(ui::TComponent* sender) { SelectedDay = static_cast<std::uint16_t>(sender->Tag()); }

}  // namespace DateWin
