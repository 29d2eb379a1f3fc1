#include "calendar/holidays/holiday_calendar.h"

#include <algorithm>
#include <string>

#include "calendar/holidays/official_holidays.h"
#include "calendar/iso_date.h"
#include "calendar/lunar_year_table.h"

namespace DateCn {
namespace {

int DayKey(const TCivilDate& date) { return static_cast<int>(EncodeDate(date.Year, date.Month, date.Day)); }

}  // namespace

THolidayCalendar::THolidayCalendar() {
  for (THolidayLine& line : ParseHolidayText(OfficialHolidayText()).Days)
    marks_.emplace(DayKey(line.Day.Date), std::move(line.Day.Mark));
}

std::vector<THolidayLineProblem> THolidayCalendar::AddUserText(std::string_view utf8) {
  THolidayText text = ParseHolidayText(utf8);
  std::vector<THolidayLineProblem> problems = std::move(text.Problems);
  for (THolidayLine& line : text.Days) {
    const TCivilDate date = line.Day.Date;
    const std::string day = FormatIsoDate(date);
    if (date.Year <= kLastOfficialYear) {
      problems.push_back({line.Line, day + ": the years up to " + std::to_string(kLastOfficialYear) +
                                         " come with the program and stay as they are"});
    } else if (date.Year > kLastTableYear) {
      problems.push_back({line.Line, day + " lies after the calendar's last year, " + std::to_string(kLastTableYear)});
    } else if (!marks_.emplace(DayKey(date), std::move(line.Day.Mark)).second) {
      problems.push_back({line.Line, day + " is given already"});
    }
  }
  std::ranges::stable_sort(problems, {}, &THolidayLineProblem::Line);
  return problems;
}

THolidayMark THolidayCalendar::MarkOn(double date) const {
  const auto found = marks_.find(DayKey(DecodeDate(date)));
  return found == marks_.end() ? THolidayMark{} : found->second;
}

std::vector<THoliday> THolidayCalendar::DaysOfYear(int year) const {
  std::vector<THoliday> days;
  const auto first = marks_.lower_bound(DayKey({year, 1, 1}));
  const auto last = marks_.upper_bound(DayKey({year, 12, 31}));
  for (auto day = first; day != last; ++day) days.push_back({DecodeDate(day->first), day->second});
  return days;
}

}  // namespace DateCn
