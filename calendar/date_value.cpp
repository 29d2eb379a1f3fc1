#include "calendar/date_value.h"

#include <algorithm>
#include <cmath>

#include "calendar/date_cn.h"

namespace DateCn {
namespace {

// Days from 1970-01-01 to 1899-12-30, the date value's day 0.
constexpr long kDayZeroFromUnixEpoch = -25569;
// 0001-01-01 and 9999-12-31 as date values.
constexpr double kFirstDay = -693593;
constexpr double kLastDay = 2958465;

constexpr int kMonthDays[2][12] = {
    {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
};

// Proleptic Gregorian calendar in 400-year eras that begin on 1 March, so the
// leap day ends each era's year (H. Hinnant's civil-date algorithms).
long DaysFromCivil(int year, int month, int day) {
  const long y = year - (month <= 2 ? 1 : 0);
  const long era = (y >= 0 ? y : y - 399) / 400;
  const long yearOfEra = y - era * 400;
  const long dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

TCivilDate CivilFromDays(long days) {
  days += 719468;
  const long era = (days >= 0 ? days : days - 146096) / 146097;
  const long dayOfEra = days - era * 146097;
  const long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long shiftedMonth = (5 * dayOfYear + 2) / 153;  // 0 = March
  const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
  return {year, month, day};
}

long DayNumber(double date) {
  if (std::isnan(date)) return 0;
  return static_cast<long>(std::trunc(std::clamp(date, kFirstDay, kLastDay)));
}

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) { return kMonthDays[IsLeapYear(year) ? 1 : 0][month - 1]; }

bool IsValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

TCivilDate DecodeDate(double date) { return CivilFromDays(DayNumber(date) + kDayZeroFromUnixEpoch); }

double EncodeDate(int year, int month, int day) {
  return static_cast<double>(DaysFromCivil(year, month, day) - kDayZeroFromUnixEpoch);
}

int DayOfWeek(double date) {
  // 1970-01-01 was a Thursday (5).
  const long fromEpoch = DayNumber(date) + kDayZeroFromUnixEpoch;
  return static_cast<int>(((fromEpoch + 4) % 7 + 7) % 7) + 1;
}

int DateYear(double date) { return DecodeDate(date).Year; }
int DateMonth(double date) { return DecodeDate(date).Month; }
int DateDay(double date) { return DecodeDate(date).Day; }

int DayInYear(double date) {
  const TCivilDate civil = DecodeDate(date);
  int days = civil.Day;
  for (int month = 1; month < civil.Month; ++month) days += DaysInMonth(civil.Year, month);
  return days;
}

}  // namespace DateCn
