#pragma once
// Date values: days since 30 December 1899, and their Gregorian fields.

namespace DateCn {

struct TCivilDate {
  int Year;
  int Month;  // 1-12
  int Day;    // 1-31
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
bool IsValidDate(int year, int month, int day);

// Drops the fraction (the integer part is the day, as with a time of day on a
// date before day 0). Values beyond the years 1-9999, and NaN, are clamped into
// that range, so no value overflows the arithmetic.
TCivilDate DecodeDate(double date);

// The date value of a valid Gregorian date.
double EncodeDate(int year, int month, int day);

// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(double date);

}  // namespace DateCn
