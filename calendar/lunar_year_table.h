#pragma once
// The lunar year table: for every Gregorian year 1901-2050 the run of lunar
// months that begins with the month in progress on 1 January.

#include <array>

namespace DateCn {

constexpr int kFirstTableYear = 1901;
constexpr int kLastTableYear = 2050;

struct TLunarMonthRun {
  int FirstDay;                 // lunar day of 1 January within slot 0, 1-30
  std::array<int, 17> Numbers;  // month number of each slot, negative for a leap month
  std::array<int, 16> Lengths;  // 29 or 30 days
};

// `year` must lie in kFirstTableYear..kLastTableYear.
TLunarMonthRun LunarMonthsOf(int year);

}  // namespace DateCn
