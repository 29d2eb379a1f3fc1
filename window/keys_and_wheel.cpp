// The keys and the wheel of the whole window: Page Up/Down and the wheel turn
// the month, Ctrl+Page Up/Down the year, the arrows move the selected day,
// Home returns to today and Esc closes. The search box keeps its arrows, Home
// and End.

#include <windows.h>

#include <filesystem>

#include "calendar/holidays/holiday_file.h"
#include "window/frm_date.h"
#include "window/start_with_windows.h"

namespace DateWin {

void TFRM_Date::CalendarKeyDown(ui::TComponent* sender, WORD& key, ui::TShiftState shift) {
  const TCalendarCommand command = CommandForKey({key, (shift & ui::ssCtrl) != 0, sender == Edit1});
  if (command == TCalendarCommand::None) return;
  key = 0;
  if (command == TCalendarCommand::Close) return FormDeactivate(this);
  Selection.SetToday(today_());
  if (Navigate(Selection, command)) ShowSelection();
}

void TFRM_Date::TurnByWheel(int delta) {
  if (const int months = wheel_.Add(delta)) {
    Selection.TurnMonths(months);
    ShowSelection();
  }
}

// Later years' days off: holidays.txt beside the program, then the user's own.
// A file that cannot be read adds nothing, and lines that cannot be read are
// skipped; rilvanta-cal reports them.
void TFRM_Date::LoadHolidayFiles() {
  const std::filesystem::path program(RunningProgramPath());
  DateCn::AddHolidayFile(Holidays, program.parent_path() / "holidays.txt");
  if (const wchar_t* appData = _wgetenv(L"APPDATA"))
    DateCn::AddHolidayFile(Holidays, std::filesystem::path(appData) / "Rilvanta" / "holidays.txt");
}

}  // namespace DateWin
