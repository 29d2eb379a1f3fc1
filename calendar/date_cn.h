#pragma once
// The calendar engine: Gregorian dates of 1901-2050 in the Chinese lunar
// calendar, with month and day names, lunar and Gregorian festivals, the 24
// solar terms, the sexagenary year and the star sign.
//
// Every operation is a pure function over constant tables. A date value is a
// count of days since 30 December 1899 (day 0); its fraction, a time of day, is
// ignored. Texts are GBK bytes (one Chinese character in two bytes); the empty
// text means that nothing falls on the day. Convert with text/gbk.h at the
// program's edges.

#include <cstdint>
#include <string>
#include <vector>

#include "calendar/date_value.h"

namespace DateCn {

// Lunar month x 100 + lunar day; negated for a day of a leap month (the leap
// month follows the month of the same number); 0 outside 1901-01-01..2050-12-31.
using LunarDateCode = std::int32_t;

// Month of a code (negative for a leap month, 0 for none) and its day (1-30, 0 for none).
constexpr int LunarMonthOf(LunarDateCode code) { return code / 100; }
constexpr int LunarDayOf(LunarDateCode code) { return (code < 0 ? -code : code) % 100; }

// Gregorian fields of a date value.
int DateYear(double date);
int DateMonth(double date);  // 1-12
int DateDay(double date);    // 1-31
int DayInYear(double date);  // 1 for 1 January, up to 365 or 366

LunarDateCode LunarDate(double date);

// "正月" ... "腊月" for an ordinary month, "闰" and the bare month name ("闰四",
// "闰冬") for a leap month. Outside 1901-2050 both names are the empty text:
// it equals none of the names callers compare with and holds neither "腊" nor "冬".
std::string LunarMonthName(double date);
// The name as a sentence reads it: a leap month ends in "月" too ("闰二月").
std::string LunarMonthFullName(double date);
std::string LunarDayName(double date);   // "初一" ... "三十"
std::string LunarFestival(double date);  // "春节", "元宵节", ..., "除夕", or empty

// The lunar year of the date (a January-March date still in the 11th or 12th
// lunar month belongs to the year before) as branch and animal ("辰龙") and as
// stem and branch ("甲辰").
std::string YearBranchAnimal(double date);
std::string YearStemBranch(double date);

// The number 1-24 of the solar term on that day ("小寒" is 1, "冬至" 24), or 0;
// 0 too for a day outside the table's years 1901-2050.
int SolarTermIndex(std::uint16_t year, std::uint16_t month, std::uint16_t day);
std::string SolarTerm(double date);  // the term's name, or empty

// The festival of day `day` of the month and year of `date`, or empty; a day
// the month does not have yields empty.
std::string GregorianFestival(int day, double date);
// Every festival of that day by its full name ("世界红十字日" for "红十字"), the
// one GregorianFestival names first: a weekday festival before a fixed one it
// outranks in the cells.
std::vector<std::string> GregorianFestivalFullNames(int day, double date);

// Every day has a sign; 23 August is "处女座".
std::string StarSign(double date);
// StarSign of day `day` of the month and year of `date`; empty when the month
// has no such day.
std::string StarSignOfDay(int day, double date);

}  // namespace DateCn
