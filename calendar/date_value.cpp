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
  const long year_of_era = y - era * 400;
  const long day_of_year = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const long day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}

CivilDate CivilFromDays(long days) {
  days += 719468;
  const long era = (days >= 0 ? days : days - 146096) / 146097;
  const long day_of_era = days - era * 146097;
  const long year_of_era = (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const long day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const long shifted_month = (5 * day_of_year + 2) / 153;  // 0 = March
  const int day = static_cast<int>(day_of_year - (153 * shifted_month + 2) / 5 + 1);
  const int month = static_cast<int>(shifted_month < 10 ? shifted_month + 3 : shifted_month - 9);
  const int year = static_cast<int>(year_of_era + era * 400 + (month <= 2 ? 1 : 0));
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

CivilDate DecodeDate(double date) { return CivilFromDays(DayNumber(date) + kDayZeroFromUnixEpoch); }

double EncodeDate(int year, int month, int day) {
  return static_cast<double>(DaysFromCivil(year, month, day) - kDayZeroFromUnixEpoch);
}

int DayOfWeek(double date) {
  // 1970-01-01 was a Thursday (5).
  const long from_epoch = DayNumber(date) + kDayZeroFromUnixEpoch;
  return static_cast<int>(((from_epoch + 4) % 7 + 7) % 7) + 1;
}

int DateYear(double date) { return DecodeDate(date).year; }
int DateMonth(double date) { return DecodeDate(date).month; }
int DateDay(double date) { return DecodeDate(date).day; }

int DayInYear(double date) {
  const CivilDate civil = DecodeDate(date);
  int days = civil.day;
  for (int month = 1; month < civil.month; ++month) days += DaysInMonth(civil.year, month);
  return days;
}

}  // namespace DateCn
