#pragma once
// `rilvanta-cal holidays`: a year's official days off and make-up workdays in
// the lines of holidays.txt, UTF-8 ("2026-02-14 班 春节"), and the lines of a
// user's file the calendar skipped, for stderr.

#include <string>
#include <string_view>
#include <vector>

#include "calendar/holidays/holiday_calendar.h"

namespace rilvanta_cal {

std::string HolidayLines(const DateCn::THolidayCalendar& holidays, int year);

// One line per skipped line: "rilvanta-cal: FILE:LINE: REASON".
std::string SkippedLinesReport(std::string_view file, const std::vector<DateCn::THolidayLineProblem>& problems);

}  // namespace rilvanta_cal
