#include "window/model/month_view_model.h"

#include <string>
#include <utility>

#include "calendar/date_cn.h"
#include "window/model/month_dates.h"

namespace DateWin {
namespace {

// GBK bytes, characters shown beside.
constexpr std::string_view kSelectedDatePrefix = "\xD1\xA1\xB6\xA8\xC8\xD5\xC6\xDA\xCE\xAA\xA3\xBA";  // 选定日期为：
constexpr std::string_view kYear = "\xC4\xEA";                                                        // 年
constexpr std::string_view kFirstLunarDay = "\xB3\xF5\xD2\xBB";                                       // 初一
constexpr std::size_t kCharacterBytes = 2;

constexpr TPoint kFirstDayCell{14, 56};
constexpr TPoint kFirstLunarCell{13, 73};
constexpr int kColumnStep = 42;
constexpr int kRowStep = 32;

TPoint CellPosition(TPoint first, int cell) {
  const int index = cell - 1;
  return {first.Left + kColumnStep * (index % kColumns), first.Top + kRowStep * (index / kColumns)};
}

bool IsWeekendColumn(int cell) { return cell % kColumns == 0 || cell % kColumns == 1; }

std::string FirstCharacter(const std::string& text) { return text.substr(0, kCharacterBytes); }

// Step by step, each later rule overriding the earlier: day name, lunar month
// name on its first day, Gregorian festival, solar term, lunar festival.
void ChooseLunarText(TCellView& cell, double cellDate, double shownDate) {
  cell.LunarText = DateCn::LunarDayName(cellDate);
  if (cell.LunarText == kFirstLunarDay) {
    cell.LunarText = DateCn::LunarMonthName(cellDate);
    cell.LunarColour = kLunarMonthColour;
    cell.LunarKind = TLunarTextKind::MonthName;
  }
  // Every festival name has two characters or more; shorter texts are ignored.
  if (std::string festival = DateCn::GregorianFestival(cell.Day, shownDate); festival.size() > 3) {
    cell.LunarText = std::move(festival);
    cell.LunarColour = kFestivalColour;
    cell.LunarKind = TLunarTextKind::GregorianFestival;
  }
  if (std::string term = DateCn::SolarTerm(cellDate); !term.empty()) {
    cell.LunarText = std::move(term);
    cell.LunarColour = kSolarTermColour;
    cell.LunarKind = TLunarTextKind::SolarTerm;
  }
  if (std::string festival = DateCn::LunarFestival(cellDate); !festival.empty()) {
    cell.LunarText = std::move(festival);
    cell.LunarColour = kFestivalColour;
    cell.LunarKind = TLunarTextKind::LunarFestival;
  }
}

}  // namespace

TPoint DayCellPosition(int cell) { return CellPosition(kFirstDayCell, cell); }
TPoint LunarCellPosition(int cell) { return CellPosition(kFirstLunarCell, cell); }

TPoint MarkerForCell(int cell) {
  const TPoint day = DayCellPosition(cell);
  return {day.Left - 1, day.Top + 1};
}

int CellOfDay(int firstWeekday, int day) { return firstWeekday + day - 1; }

TInformationTexts InformationFor(double date, std::string_view shortDateText) {
  const std::string stemBranch = DateCn::YearStemBranch(date);
  const std::string branchAnimal = DateCn::YearBranchAnimal(date);
  const int day = DateCn::DateDay(date);
  TInformationTexts info;
  info.SelectedDate = std::string(kSelectedDatePrefix).append(shortDateText);
  info.LunarDate = FirstCharacter(stemBranch) + FirstCharacter(branchAnimal) + std::string(kYear) +
                   DateCn::LunarMonthName(date) + DateCn::LunarDayName(date);
  info.SpecialDays = DateCn::SolarTerm(date) + DateCn::LunarFestival(date) + DateCn::GregorianFestival(day, date);
  info.StarSign = DateCn::StarSignOfDay(day, date);
  info.YearNames = FirstCharacter(stemBranch) + branchAnimal;
  return info;
}

TMonthView BuildMonthView(double date, std::string_view shortDateText, const TMonthMarks& marks) {
  const DateCn::TCivilDate shown = DateCn::DecodeDate(date);
  TMonthView view;
  view.YearText = std::to_string(shown.Year);
  view.MonthText = std::to_string(shown.Month);
  view.Info = InformationFor(date, shortDateText);

  for (int cell = 1; cell <= kCellCount; ++cell) {
    TCellView& cellView = view.Cells[cell - 1];
    cellView.DayColour = IsWeekendColumn(cell) ? kWeekendColour : kWeekdayDayColour;
    cellView.LunarColour = IsWeekendColumn(cell) ? kWeekendColour : kLunarWeekdayColour;
  }

  const double first = DateCn::EncodeDate(shown.Year, shown.Month, 1);
  const int firstWeekday = DateCn::DayOfWeek(first);
  const int length = MonthLengthOf(first);
  for (int day = 1; day <= length; ++day) {
    const int cell = CellOfDay(firstWeekday, day);
    const double cellDate = DateCn::EncodeDate(shown.Year, shown.Month, day);
    TCellView& cellView = view.Cells[cell - 1];
    cellView.Visible = true;
    cellView.Day = day;
    cellView.DayText = std::to_string(day);
    ChooseLunarText(cellView, cellDate, date);
    if (marks.Holidays != nullptr) cellView.Holiday = marks.Holidays->MarkOn(cellDate);
    if (day == shown.Day) {
      view.SelectedCell = cell;
      view.Marker = MarkerForCell(cell);
    }
  }
  if (marks.Today) {
    const DateCn::TCivilDate today = DateCn::DecodeDate(*marks.Today);
    if (today.Year == shown.Year && today.Month == shown.Month) view.TodayCell = CellOfDay(firstWeekday, today.Day);
  }
  return view;
}

}  // namespace DateWin
