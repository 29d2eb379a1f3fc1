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

constexpr Point kFirstDayCell{14, 56};
constexpr Point kFirstLunarCell{13, 73};
constexpr int kColumnStep = 42;
constexpr int kRowStep = 32;

Point CellPosition(Point first, int cell) {
  const int index = cell - 1;
  return {first.left + kColumnStep * (index % kColumns), first.top + kRowStep * (index / kColumns)};
}

bool IsWeekendColumn(int cell) { return cell % kColumns == 0 || cell % kColumns == 1; }

std::string FirstCharacter(const std::string& text) { return text.substr(0, kCharacterBytes); }

// Step by step, each later rule overriding the earlier: day name, lunar month
// name on its first day, Gregorian festival, solar term, lunar festival.
void ChooseLunarText(CellView& cell, double cell_date, double shown_date) {
  cell.lunar_text = DateCn::LunarDayName(cell_date);
  if (cell.lunar_text == kFirstLunarDay) {
    cell.lunar_text = DateCn::LunarMonthName(cell_date);
    cell.lunar_colour = kLunarMonthColour;
    cell.lunar_kind = LunarTextKind::kMonthName;
  }
  // Every festival name has two characters or more; shorter texts are ignored.
  if (std::string festival = DateCn::GregorianFestival(cell.day, shown_date); festival.size() > 3) {
    cell.lunar_text = std::move(festival);
    cell.lunar_colour = kFestivalColour;
    cell.lunar_kind = LunarTextKind::kGregorianFestival;
  }
  if (std::string term = DateCn::SolarTerm(cell_date); !term.empty()) {
    cell.lunar_text = std::move(term);
    cell.lunar_colour = kSolarTermColour;
    cell.lunar_kind = LunarTextKind::kSolarTerm;
  }
  if (std::string festival = DateCn::LunarFestival(cell_date); !festival.empty()) {
    cell.lunar_text = std::move(festival);
    cell.lunar_colour = kFestivalColour;
    cell.lunar_kind = LunarTextKind::kLunarFestival;
  }
}

}  // namespace

Point DayCellPosition(int cell) { return CellPosition(kFirstDayCell, cell); }
Point LunarCellPosition(int cell) { return CellPosition(kFirstLunarCell, cell); }

Point MarkerForCell(int cell) {
  const Point day = DayCellPosition(cell);
  return {day.left - 1, day.top + 1};
}

int CellOfDay(int first_weekday, int day) { return first_weekday + day - 1; }

InformationTexts InformationFor(double date, std::string_view short_date_text) {
  const std::string stem_branch = DateCn::YearStemBranch(date);
  const std::string branch_animal = DateCn::YearBranchAnimal(date);
  const int day = DateCn::DateDay(date);
  InformationTexts info;
  info.selected_date = std::string(kSelectedDatePrefix).append(short_date_text);
  info.lunar_date = FirstCharacter(stem_branch) + FirstCharacter(branch_animal) + std::string(kYear) +
                    DateCn::LunarMonthName(date) + DateCn::LunarDayName(date);
  info.special_days = DateCn::SolarTerm(date) + DateCn::LunarFestival(date) + DateCn::GregorianFestival(day, date);
  info.star_sign = DateCn::StarSignOfDay(day, date);
  info.year_names = FirstCharacter(stem_branch) + branch_animal;
  return info;
}

MonthView BuildMonthView(double date, std::string_view short_date_text) {
  const DateCn::CivilDate shown = DateCn::DecodeDate(date);
  MonthView view;
  view.year_text = std::to_string(shown.year);
  view.month_text = std::to_string(shown.month);
  view.info = InformationFor(date, short_date_text);

  for (int cell = 1; cell <= kCellCount; ++cell) {
    CellView& cell_view = view.cells[cell - 1];
    cell_view.day_colour = IsWeekendColumn(cell) ? kWeekendColour : kWeekdayDayColour;
    cell_view.lunar_colour = IsWeekendColumn(cell) ? kWeekendColour : kLunarWeekdayColour;
  }

  const double first = DateCn::EncodeDate(shown.year, shown.month, 1);
  const int first_weekday = DateCn::DayOfWeek(first);
  const int length = MonthLengthOf(first);
  for (int day = 1; day <= length; ++day) {
    const int cell = CellOfDay(first_weekday, day);
    CellView& cell_view = view.cells[cell - 1];
    cell_view.visible = true;
    cell_view.day = day;
    cell_view.day_text = std::to_string(day);
    ChooseLunarText(cell_view, DateCn::EncodeDate(shown.year, shown.month, day), date);
    if (day == shown.day) {
      view.selected_cell = cell;
      view.marker = MarkerForCell(cell);
    }
  }
  return view;
}

}  // namespace DateWin
