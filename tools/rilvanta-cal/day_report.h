#pragma once
// `rilvanta-cal day`: one day in readable Chinese, UTF-8, one item per line:
//   日期：2024-02-10 星期六
//   农历：正月初一
//   农历节日：春节
//   节气：无
//   公历节日：无
//   干支：甲辰年
//   生肖：辰龙
//   星座：水瓶座
//   假日安排：春节 休      (or 班 on a make-up workday, 无 on an ordinary day)

#include <string>

#include "calendar/holidays/holiday_calendar.h"

namespace rilvanta_cal {

// `date` must lie in 1901-2050.
std::string DayReport(double date, const DateCn::THolidayCalendar& holidays);

// "星期日" ... "星期六" for DateCn::DayOfWeek 1-7.
std::string WeekdayName(int dayOfWeek);

}  // namespace rilvanta_cal
