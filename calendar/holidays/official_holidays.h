#pragma once
// The days off and make-up workdays of the State Council's notices, carried in
// the program: official_holidays.txt, built in as its text.

#include <string_view>

namespace DateCn {

constexpr int kFirstOfficialYear = 2001;
constexpr int kLastOfficialYear = 2026;

// The UTF-8 lines of official_holidays.txt (see holiday_text.h for their form).
std::string_view OfficialHolidayText();

}  // namespace DateCn
