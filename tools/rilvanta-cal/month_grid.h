#pragma once
// `rilvanta-cal month`: a month as the calendar window fills it, for a terminal.
// UTF-8 lines: a title ("2024年2月"), the weekday header (Sunday first), then per week one
// line of day numbers and one of the lunar texts the window's cells show, each
// cell eight columns wide (a Chinese character takes two). With colour, the
// texts take ANSI colours after the window's (red weekends, green lunar days,
// orange festivals, blue solar terms) and today is shown reversed; without,
// today's number stands in brackets. An official day off or make-up workday
// has 休 or 班 after its number.

#include <optional>
#include <string>

#include "calendar/date_value.h"
#include "calendar/holidays/holiday_calendar.h"

namespace rilvanta_cal {

// `year` 1901-2050, `month` 1-12.
std::string MonthGrid(int year, int month, const std::optional<DateCn::TCivilDate>& today, bool colour,
                      const DateCn::THolidayCalendar& holidays);

}  // namespace rilvanta_cal
