#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "calendar_test_support.h"

using calendar_test::Day;
using calendar_test::Utf8;

namespace {

std::string Festival(int day, double date) { return Utf8(DateCn::GregorianFestival(day, date)); }

TEST(GregorianFestivals, FixedDaysTakeTheirMonthFromTheDateValue) {
  EXPECT_EQ(Festival(1, Day(2024, 1, 17)), "元旦节");
  EXPECT_EQ(Festival(1, Day(1950, 1, 31)), "元旦节");
  EXPECT_EQ(Festival(14, Day(2024, 2, 1)), "情人节");
  EXPECT_EQ(Festival(24, Day(2024, 12, 3)), "平安夜");
  EXPECT_EQ(Festival(25, Day(2024, 12, 3)), "圣诞节");
  EXPECT_EQ(Festival(2, Day(2024, 1, 1)), "");
  EXPECT_EQ(Festival(22, Day(2024, 3, 1)), "水日");
  EXPECT_EQ(Festival(31, Day(2024, 10, 1)), "万圣节");
  EXPECT_EQ(Festival(1, Day(2024, 8, 1)), "建军节");
}

TEST(GregorianFestivals, MothersDayIsTheSecondSundayOfMay) {
  EXPECT_EQ(Festival(12, Day(2024, 5, 1)), "母亲节");
  EXPECT_EQ(Festival(9, Day(2021, 5, 1)), "母亲节");
  EXPECT_EQ(Festival(12, Day(2021, 5, 1)), "护士节");
  EXPECT_EQ(Festival(8, Day(2022, 5, 1)), "母亲节");
  EXPECT_EQ(Festival(8, Day(2021, 5, 1)), "红十字");
  EXPECT_EQ(Festival(5, Day(2024, 5, 1)), "");  // the first Sunday
  // The fixed festival it outranks is still among the day's festivals.
  const std::vector<std::string> both = DateCn::GregorianFestivalFullNames(12, Day(2024, 5, 1));
  ASSERT_EQ(both.size(), 2u);
  EXPECT_EQ(Utf8(both[0]), "母亲节");
  EXPECT_EQ(Utf8(both[1]), "国际护士节");
  EXPECT_TRUE(DateCn::GregorianFestivalFullNames(5, Day(2024, 5, 1)).empty());
}

TEST(GregorianFestivals, FathersDayAndThanksgiving) {
  EXPECT_EQ(Festival(16, Day(2024, 6, 1)), "父亲节");
  EXPECT_EQ(Festival(18, Day(2023, 6, 1)), "父亲节");
  EXPECT_EQ(Festival(23, Day(2024, 6, 1)), "体育日");  // the fourth Sunday keeps its fixed name
  EXPECT_EQ(Festival(28, Day(2024, 11, 1)), "感恩节");
  EXPECT_EQ(Festival(22, Day(2018, 11, 1)), "感恩节");
  EXPECT_EQ(Festival(21, Day(2024, 11, 1)), "");  // the third Thursday
}

TEST(GregorianFestivals, EveryYearHasEachWeekdayFestivalOnceOnItsWeekday) {
  struct TRule {
    const char* Name;
    int Month, Weekday, FirstDay;
  };
  for (const TRule rule : {TRule{"母亲节", 5, 1, 8}, TRule{"父亲节", 6, 1, 15}, TRule{"感恩节", 11, 5, 22}}) {
    for (int year = calendar_test::kFirstYear; year <= calendar_test::kLastYear; ++year) {
      std::vector<int> days;
      for (int day = 1; day <= DateCn::DaysInMonth(year, rule.Month); ++day) {
        if (Festival(day, Day(year, rule.Month, 1)) == rule.Name) days.push_back(day);
      }
      ASSERT_EQ(days.size(), 1u) << rule.Name << " " << year;
      EXPECT_EQ(DateCn::DayOfWeek(Day(year, rule.Month, days[0])), rule.Weekday) << year;
      EXPECT_GE(days[0], rule.FirstDay) << year;
      EXPECT_LT(days[0], rule.FirstDay + 7) << year;
    }
  }
}

TEST(GregorianFestivals, DaysTheMonthLacksHaveNone) {
  EXPECT_EQ(Festival(0, Day(2024, 1, 1)), "");
  EXPECT_EQ(Festival(31, Day(2024, 11, 1)), "");
  EXPECT_EQ(Festival(30, Day(2024, 2, 1)), "");
  EXPECT_EQ(Festival(-5, Day(2024, 5, 1)), "");
  EXPECT_TRUE(DateCn::GregorianFestivalFullNames(30, Day(2024, 2, 1)).empty());
}

// The full names: one for each festival of a day, never shorter than the cell's.
TEST(GregorianFestivals, FullNamesNameEveryFestival) {
  for (double date = Day(2024, 1, 1); date <= Day(2024, 12, 31); ++date) {
    const int day = DateCn::DateDay(date);
    const std::string cell = DateCn::GregorianFestival(day, date);
    const std::vector<std::string> full = DateCn::GregorianFestivalFullNames(day, date);
    EXPECT_EQ(cell.empty(), full.empty()) << date;
    for (const std::string& name : full) EXPECT_GE(name.size(), 4u) << date;
  }
  EXPECT_EQ(Utf8(DateCn::GregorianFestivalFullNames(17, Day(2024, 11, 1)).at(0)), "国际大学生节");
  EXPECT_EQ(Utf8(DateCn::GregorianFestivalFullNames(26, Day(2024, 6, 1)).at(0)), "国际禁毒日");
}

}  // namespace
