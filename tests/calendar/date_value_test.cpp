#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "calendar_test_support.h"

using calendar_test::Day;

namespace {

TEST(DateValue, KnownDayNumbers) {
  EXPECT_EQ(Day(1899, 12, 30), 0);
  EXPECT_EQ(Day(1900, 1, 1), 2);
  EXPECT_EQ(Day(1970, 1, 1), 25569);
  EXPECT_EQ(Day(2024, 1, 1), 45292);
  EXPECT_EQ(Day(2024, 2, 10), 45332);
  EXPECT_EQ(Day(1899, 12, 29), -1);
}

TEST(DateValue, DecodesFieldsAcrossLeapDaysAndCenturies) {
  struct Case {
    int year, month, day;
  };
  for (const Case c : {Case{1900, 2, 28}, Case{1900, 3, 1}, Case{2000, 2, 29}, Case{2000, 3, 1}, Case{2024, 12, 31},
                       Case{1901, 1, 1}, Case{2050, 12, 31}, Case{1, 1, 1}, Case{9999, 12, 31}}) {
    const double date = Day(c.year, c.month, c.day);
    EXPECT_EQ(DateCn::DateYear(date), c.year);
    EXPECT_EQ(DateCn::DateMonth(date), c.month);
    EXPECT_EQ(DateCn::DateDay(date), c.day);
  }
  EXPECT_EQ(Day(1900, 3, 1) - Day(1900, 2, 28), 1);  // 1900 is no leap year
  EXPECT_EQ(Day(2000, 3, 1) - Day(2000, 2, 28), 2);
}

TEST(DateValue, ConsecutiveDaysWalkTheCalendarWithoutGaps) {
  DateCn::CivilDate previous = DateCn::DecodeDate(Day(1800, 1, 1) - 1);
  for (double date = Day(1800, 1, 1); date <= Day(2100, 12, 31); ++date) {
    const DateCn::CivilDate civil = DateCn::DecodeDate(date);
    ASSERT_TRUE(DateCn::IsValidDate(civil.year, civil.month, civil.day)) << date;
    const bool next_in_month =
        civil.year == previous.year && civil.month == previous.month && civil.day == previous.day + 1;
    const bool month_start = civil.day == 1 && previous.day == DateCn::DaysInMonth(previous.year, previous.month);
    ASSERT_TRUE(next_in_month || month_start) << date;
    ASSERT_EQ(DateCn::EncodeDate(civil.year, civil.month, civil.day), date);
    previous = civil;
  }
}

TEST(DateValue, TimeOfDayIsIgnored) {
  const double noon = Day(2024, 2, 10) + 0.5;
  EXPECT_EQ(DateCn::DateDay(noon), 10);
  EXPECT_EQ(DateCn::DateDay(Day(2024, 2, 10) + 0.999), 10);
  // Before day 0 the integer part is still the day: -1.5 is noon of 29 December 1899.
  EXPECT_EQ(DateCn::DateDay(-1.5), 29);
}

TEST(DateValue, ValuesBeyondTheCalendarAreClampedNotUndefined) {
  EXPECT_EQ(DateCn::DateYear(1e300), 9999);
  EXPECT_EQ(DateCn::DateYear(-1e300), 1);
  EXPECT_EQ(DateCn::DateYear(std::numeric_limits<double>::infinity()), 9999);
  EXPECT_EQ(DateCn::DateYear(std::nan("")), 1899);
  EXPECT_EQ(DateCn::LunarDate(1e300), 0);
}

TEST(DateValue, DayOfWeekCountsFromSunday) {
  EXPECT_EQ(DateCn::DayOfWeek(Day(2024, 2, 10)), 7);  // Saturday
  EXPECT_EQ(DateCn::DayOfWeek(Day(2024, 2, 11)), 1);  // Sunday
  EXPECT_EQ(DateCn::DayOfWeek(Day(1970, 1, 1)), 5);   // Thursday
  EXPECT_EQ(DateCn::DayOfWeek(Day(1899, 12, 30)), 7);
  EXPECT_EQ(DateCn::DayOfWeek(Day(1899, 12, 24)), 1);  // before day 0
  EXPECT_EQ(DateCn::DayOfWeek(Day(1901, 1, 1)), 3);    // Tuesday
}

TEST(DayInYear, CountsFromFirstOfJanuary) {
  EXPECT_EQ(DateCn::DayInYear(Day(2024, 1, 1)), 1);
  EXPECT_EQ(DateCn::DayInYear(Day(2024, 12, 31)), 366);
  EXPECT_EQ(DateCn::DayInYear(Day(2023, 12, 31)), 365);
  EXPECT_EQ(DateCn::DayInYear(Day(2000, 3, 1)), 61);
  EXPECT_EQ(DateCn::DayInYear(Day(1900, 3, 1)), 60);
  for (double date = calendar_test::FirstDay(); date <= calendar_test::LastDay(); ++date) {
    const int year = DateCn::DateYear(date);
    ASSERT_EQ(DateCn::DayInYear(date), date - Day(year, 1, 1) + 1) << date;
  }
}

TEST(DateValue, ValidDatesAndMonthLengths) {
  EXPECT_TRUE(DateCn::IsValidDate(2024, 2, 29));
  EXPECT_FALSE(DateCn::IsValidDate(2023, 2, 29));
  EXPECT_FALSE(DateCn::IsValidDate(2100, 2, 29));
  EXPECT_FALSE(DateCn::IsValidDate(2024, 4, 31));
  EXPECT_FALSE(DateCn::IsValidDate(2024, 13, 1));
  EXPECT_FALSE(DateCn::IsValidDate(2024, 0, 1));
  EXPECT_FALSE(DateCn::IsValidDate(2024, 1, 0));
  EXPECT_FALSE(DateCn::IsValidDate(0, 1, 1));
  EXPECT_EQ(DateCn::DaysInMonth(2024, 2), 29);
  EXPECT_EQ(DateCn::DaysInMonth(1900, 2), 28);
  EXPECT_EQ(DateCn::DaysInMonth(2000, 2), 29);
  EXPECT_EQ(DateCn::DaysInMonth(2023, 11), 30);
}

}  // namespace
