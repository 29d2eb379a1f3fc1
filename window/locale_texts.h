#pragma once
// Texts the user's locale decides: month names and the short date format.
// Returned as GBK, like every text of the window.

#include <string>

namespace DateWin {

// The locale's long name of month 1-12 (一月 ... 十二月 under a Chinese locale).
std::string LongMonthName(int month);

// The date in the locale's short date format.
std::string ShortDateText(double date);

}  // namespace DateWin
