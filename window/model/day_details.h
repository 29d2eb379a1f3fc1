#pragma once
// The tooltip of a day cell: all the calendar knows of the day, in full, GBK,
// one item a line ("\r\n" between, as a multi-line tooltip takes them):
//
//   丙午年 冬月初八     the lunar date with its year's stem and branch
//   生肖：马            the year's zodiac animal
//   节气：大雪          when a solar term falls on the day
//   节日：春节、国际气象节  every festival of the day by its full name, lunar ones first
//   春节 休             the holiday the day is off (休) or worked (班) for

#include <string>

#include "calendar/holidays/holiday_calendar.h"

namespace DateWin {

std::string DayDetails(double date, const DateCn::THolidayCalendar& holidays);

}  // namespace DateWin
