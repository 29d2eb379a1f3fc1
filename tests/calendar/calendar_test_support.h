#pragma once
// Shorthands for the calendar engine's tests: dates by their fields, texts as UTF-8.

#include <string>

#include "calendar/date_cn.h"
#include "text/gbk.h"

namespace calendar_test {

inline double Day(int year, int month, int day) { return DateCn::EncodeDate(year, month, day); }

inline std::string Utf8(const std::string& gbk) { return text::GbkToUtf8(gbk); }

constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;

// Every date value of 1901-01-01 .. 2050-12-31.
inline double FirstDay() { return Day(kFirstYear, 1, 1); }
inline double LastDay() { return Day(kLastYear, 12, 31); }

}  // namespace calendar_test
