#pragma once
// Which days are days off (休) or make-up workdays (班): the official ones of
// kFirstOfficialYear..kLastOfficialYear, and the later years a user adds.

#include <map>
#include <string_view>
#include <vector>

#include "calendar/holidays/holiday.h"
#include "calendar/holidays/holiday_text.h"

namespace DateCn {

class THolidayCalendar {
 public:
  // The official days only.
  THolidayCalendar();

  // Adds the days of a user's holidays.txt (see holiday_text.h). Only years
  // after the official ones and within the calendar's (up to 2050) are taken,
  // and a day given already, by this text or before, keeps what it had: the
  // user adds years and changes nothing built in. Returns the skipped lines,
  // in order.
  std::vector<THolidayLineProblem> AddUserText(std::string_view utf8);

  // THolidayKind::None on an ordinary day.
  THolidayMark MarkOn(double date) const;

  // The marked days of `year`, in date order.
  std::vector<THoliday> DaysOfYear(int year) const;

 private:
  std::map<int, THolidayMark> marks_;  // by the date value
};

}  // namespace DateCn
