#pragma once
// The window's small date operations: month lengths and the date shown for a
// selection whose day the chosen month may lack.

#include <cstdint>

namespace DateWin {

// Days of a Gregorian month (29 for February of a leap year); 0 for a month
// outside 1-12.
std::uint16_t MonthLength(std::uint16_t year, std::uint16_t month);
std::uint16_t MonthLengthOf(double date);

// The date value of (year, month, min(day, MonthLength)): with day 31 selected,
// choosing February shows its last day. A month outside 1-12 or day 0, which no
// menu or cell offers, is brought to the nearest valid one.
double ClampedDate(std::uint16_t year, std::uint16_t month, std::uint16_t day);

}  // namespace DateWin
