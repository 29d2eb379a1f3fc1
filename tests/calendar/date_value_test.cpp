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
  struct TCase {
    int Year, Month, Day;
  };
  for (const TCase c :
       {TCase{1900, 2, 28}, TCase{1900, 3, 1}, TCase{2000, 2, 29}, TCase{2000, 3, 1}, TCase{2024, 12, 31},
        TCase{1901, 1, 1}, TCase{2050, 12, 31}, TCase{1, 1, 1}, TCase{9999, 12, 31}}) {
    const double date = Day(c.Year, c.Month, c.Day);
    EXPECT_EQ(DateCn::DateYear(date), c.Year);
    EXPECT_EQ(DateCn::DateMonth(date), c.Month);
    EXPECT_EQ(DateCn::DateDay(date), c.Day);
  }
  EXPECT_EQ(Day(1900, 3, 1) - Day(1900, 2, 28), 1);  // 1900 is no leap year
  EXPECT_EQ(Day(2000, 3, 1) - Day(2000, 2, 28), 2);
}

TEST(DateValue, ConsecutiveDaysWalkTheCalendarWithoutGaps) {
  DateCn::TCivilDate previous = DateCn::DecodeDate(Day(1800, 1, 1) - 1);
  for (double date = Day(1800, 1, 1); date <= Day(2100, 12, 31); ++date) {
    const DateCn::TCivilDate civil = DateCn::DecodeDate(date);
    ASSERT_TRUE(DateCn::IsValidDate(civil.Year, civil.Month, civil.Day)) << date;
    const bool nextInMonth =
        civil.Year == previous.Year && civil.Month == previous.Month && civil.Day == previous.Day + 1;
    const bool monthStart = civil.Day == 1 && previous.Day == DateCn::DaysInMonth(previous.Year, previous.Month);
    ASSERT_TRUE(nextInMonth || monthStart) << date;
    ASSERT_EQ(DateCn::EncodeDate(civil.Year, civil.Month, civil.Day), date);
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
