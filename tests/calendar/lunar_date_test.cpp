#include <cstdlib>

#include <gtest/gtest.h>

#include "calendar_test_support.h"

using calendar_test::Day;
using DateCn::LunarDate;

namespace {

TEST(LunarDate, TableEdges) {
  EXPECT_EQ(LunarDate(Day(1900, 12, 31)), 0);
  EXPECT_EQ(LunarDate(Day(2051, 1, 1)), 0);
  EXPECT_EQ(LunarDate(Day(1901, 1, 1)), 1111);
  EXPECT_EQ(LunarDate(Day(2050, 12, 31)), 1118);
  EXPECT_EQ(LunarDate(Day(1901, 2, 18)), 1230);
  EXPECT_EQ(LunarDate(Day(1901, 2, 19)), 101);
}

TEST(LunarDate, LeapEleventhMonthOf2033RunsIntoJanuary2034) {
  EXPECT_EQ(LunarDate(Day(2033, 12, 21)), 1130);
  EXPECT_EQ(LunarDate(Day(2033, 12, 22)), -1101);
  EXPECT_EQ(LunarDate(Day(2034, 1, 1)), -1111);  // needs the look-back to 31 December 2033
  EXPECT_EQ(LunarDate(Day(2034, 1, 19)), -1129);
  EXPECT_EQ(LunarDate(Day(2034, 1, 20)), 1201);
  EXPECT_EQ(LunarDate(Day(2034, 2, 19)), 101);
}

TEST(LunarDate, LeapMonths) {
  EXPECT_EQ(LunarDate(Day(2023, 3, 21)), 230);
  EXPECT_EQ(LunarDate(Day(2023, 3, 22)), -201);
  EXPECT_EQ(LunarDate(Day(2023, 4, 19)), -229);
  EXPECT_EQ(LunarDate(Day(2023, 4, 20)), 301);
  EXPECT_EQ(LunarDate(Day(2020, 5, 23)), -401);
  EXPECT_EQ(LunarDate(Day(2017, 7, 23)), -601);
  EXPECT_EQ(LunarDate(Day(1984, 11, 23)), -1001);
}

TEST(LunarDate, NewYearsDays) {
  for (const double date : {Day(2024, 2, 10), Day(2025, 1, 29), Day(2020, 1, 25), Day(2000, 2, 5), Day(2050, 1, 23)}) {
    EXPECT_EQ(LunarDate(date), 101) << DateCn::DateYear(date);
    EXPECT_NE(LunarDate(date - 1), 101);
  }
}

TEST(LunarDate, TimeOfDayIsIgnored) {
  EXPECT_EQ(LunarDate(Day(2033, 12, 22) + 0.5), -1101);
  EXPECT_EQ(LunarDate(Day(2024, 2, 10) + 0.99), 101);
}

// The two mended entries of the lunar year table: the new moons of 2 August 1989
// (00:05) and 8 June 2013 (23:56) lie just after and before midnight.
TEST(LunarDate, MendedMonthLengthsOf1989And2013) {
  EXPECT_EQ(LunarDate(Day(1989, 8, 1)), 630);
  EXPECT_EQ(LunarDate(Day(1989, 8, 2)), 701);
  EXPECT_EQ(LunarDate(Day(1989, 8, 30)), 729);
  EXPECT_EQ(LunarDate(Day(1989, 8, 31)), 801);
  EXPECT_EQ(LunarDate(Day(2013, 6, 7)), 429);
  EXPECT_EQ(LunarDate(Day(2013, 6, 8)), 501);
  EXPECT_EQ(LunarDate(Day(2013, 6, 12)), 505);
  EXPECT_EQ(LunarDate(Day(2013, 7, 7)), 530);
  EXPECT_EQ(LunarDate(Day(2013, 7, 8)), 601);
}

// Walks every day of 1901-2050 and checks the shape of the lunar calendar.
class LunarCalendarShape : public testing::Test {
 protected:
  static int Month(DateCn::LunarDateCode code) { return DateCn::LunarMonthOf(code); }
  static int DayOf(DateCn::LunarDateCode code) { return DateCn::LunarDayOf(code); }
};

TEST_F(LunarCalendarShape, DaysStepByOneAndMonthsLast29Or30Days) {
  DateCn::LunarDateCode previous = LunarDate(calendar_test::FirstDay());
  int monthStarts = 0;
  for (double date = calendar_test::FirstDay() + 1; date <= calendar_test::LastDay(); ++date) {
    const DateCn::LunarDateCode code = LunarDate(date);
    ASSERT_GE(DayOf(code), 1) << date;
    if (DayOf(code) == 1) {
      ASSERT_TRUE(DayOf(previous) == 29 || DayOf(previous) == 30) << date;
      ++monthStarts;
    } else {
      ASSERT_EQ(DayOf(code), DayOf(previous) + 1) << date;
      ASSERT_EQ(Month(code), Month(previous)) << date;
    }
    previous = code;
  }
  // 150 years of about 12.37 months each.
  EXPECT_GT(monthStarts, 1850);
  EXPECT_LT(monthStarts, 1857);
}

TEST_F(LunarCalendarShape, MonthsFollowInOrderWithLeapMonthsAfterTheirNamesake) {
  int previousMonth = Month(LunarDate(calendar_test::FirstDay()));
  for (double date = calendar_test::FirstDay() + 1; date <= calendar_test::LastDay(); ++date) {
    const int month = Month(LunarDate(date));
    if (month == previousMonth) continue;
    ASSERT_GE(std::abs(month), 1);
    ASSERT_LE(std::abs(month), 12);
    const bool leapAfterNamesake = month == -previousMonth;
    const bool nextOrdinary = month == std::abs(previousMonth) % 12 + 1;
    ASSERT_TRUE(leapAfterNamesake || nextOrdinary) << date << ": " << previousMonth << " -> " << month;
    previousMonth = month;
  }
}

TEST_F(LunarCalendarShape, EveryYearHasOneNewYearBetween21JanuaryAnd20February) {
  for (int year = calendar_test::kFirstYear; year <= calendar_test::kLastYear; ++year) {
    int newYears = 0;
    for (double date = Day(year, 1, 21); date <= Day(year, 2, 20); ++date) {
      if (LunarDate(date) == 101) ++newYears;
    }
    EXPECT_EQ(newYears, 1) << year;
  }
}

TEST_F(LunarCalendarShape, LunarYearsHold12MonthsOr13WithOneLeapMonth) {
  int months = 0;
  int leapMonths = 0;
  int wholeYears = -1;  // the first new year ends a partial year
  for (double date = calendar_test::FirstDay(); date <= calendar_test::LastDay(); ++date) {
    const DateCn::LunarDateCode code = LunarDate(date);
    if (code == 101) {
      if (wholeYears >= 0) {
        ASSERT_LE(leapMonths, 1) << date;
        ASSERT_EQ(months, 12 + leapMonths) << date;
      }
      ++wholeYears;
      months = leapMonths = 0;
    }
    if (DayOf(code) == 1) {
      ++months;
      if (code < 0) ++leapMonths;
    }
  }
  EXPECT_EQ(wholeYears, 149);
}

}  // namespace
