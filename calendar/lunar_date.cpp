#include "calendar/date_cn.h"
#include "calendar/lunar_year_table.h"

namespace DateCn {
namespace {

LunarDateCode Code(int month, int day) { return month >= 0 ? month * 100 + day : month * 100 - day; }

LunarDateCode LunarCode(int year, int daysAfterNewYear);

int DaysInYear(int year) { return IsLeapYear(year) ? 366 : 365; }

// 1 January lies in a leap month when 31 December of the year before did; the
// table entry of a year names only the month's number.
bool YearStartsInLeapMonth(int year) {
  return year > kFirstTableYear && LunarCode(year - 1, DaysInYear(year - 1) - 1) < 0;
}

LunarDateCode LunarCode(int year, int daysAfterNewYear) {
  const TLunarMonthRun run = LunarMonthsOf(year);
  const int n = daysAfterNewYear;
  int passed = run.Lengths[0] - run.FirstDay;  // days of the year before slot 1 begins
  if (n <= passed) {
    const int month = YearStartsInLeapMonth(year) ? -run.Numbers[0] : run.Numbers[0];
    return Code(month, run.FirstDay + n);
  }
  int slot = 1;
  while (slot < 15 && n > passed + run.Lengths[slot]) passed += run.Lengths[slot++];
  return Code(run.Numbers[slot], n - passed);
}

}  // namespace

LunarDateCode LunarDate(double date) {
  const int year = DateYear(date);
  if (year < kFirstTableYear || year > kLastTableYear) return 0;
  return LunarCode(year, DayInYear(date) - 1);
}

}  // namespace DateCn
