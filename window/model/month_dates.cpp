#include "window/model/month_dates.h"

#include <algorithm>

#include "calendar/date_value.h"

namespace DateWin {

std::uint16_t MonthLength(std::uint16_t year, std::uint16_t month) {
  if (month < 1 || month > 12) return 0;
  return static_cast<std::uint16_t>(DateCn::DaysInMonth(year, month));
}

std::uint16_t MonthLengthOf(double date) {
  const DateCn::TCivilDate civil = DateCn::DecodeDate(date);
  return MonthLength(static_cast<std::uint16_t>(civil.Year), static_cast<std::uint16_t>(civil.Month));
}

double ClampedDate(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
  const std::uint16_t inYear = std::clamp<std::uint16_t>(month, 1, 12);
  return DateCn::EncodeDate(year, inYear, std::clamp<std::uint16_t>(day, 1, MonthLength(year, inYear)));
}

}  // namespace DateWin
