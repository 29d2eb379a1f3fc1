#include <map>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "calendar_test_support.h"

using calendar_test::Day;
using calendar_test::Utf8;

namespace {

std::string MonthName(double date) { return Utf8(DateCn::LunarMonthName(date)); }
std::string DayName(double date) { return Utf8(DateCn::LunarDayName(date)); }
std::string Festival(double date) { return Utf8(DateCn::LunarFestival(date)); }

void ExpectNames(double date, const std::string& month, const std::string& day, const std::string& festival) {
  EXPECT_EQ(MonthName(date), month) << date;
  EXPECT_EQ(DayName(date), day) << date;
  EXPECT_EQ(Festival(date), festival) << date;
}

TEST(LunarNames, NewYearAndItsEve) {
  ExpectNames(Day(2024, 2, 10), "正月", "初一", "春节");
  ExpectNames(Day(2024, 2, 9), "腊月", "三十", "除夕");
  // The eve of a 29-day twelfth month is its 29th day.
  ExpectNames(Day(2025, 1, 28), "腊月", "廿九", "除夕");
  EXPECT_EQ(Festival(Day(2025, 1, 29)), "春节");
}

TEST(LunarNames, FestivalsOfTheYear) {
  EXPECT_EQ(Festival(Day(2024, 2, 24)), "元宵节");
  EXPECT_EQ(Festival(Day(2024, 6, 10)), "端午节");
  EXPECT_EQ(Festival(Day(2024, 8, 10)), "七夕节");
  EXPECT_EQ(Festival(Day(2024, 9, 17)), "中秋节");
  EXPECT_EQ(Festival(Day(2024, 10, 11)), "重阳节");
  EXPECT_EQ(Festival(Day(2025, 1, 7)), "腊八节");
  EXPECT_EQ(Festival(Day(2024, 3, 24)), "");  // 15th day of the second month
}

TEST(LunarNames, LeapMonthsCarryNoFestival) {
  ExpectNames(Day(2023, 3, 22), "闰二", "初一", "");
  ExpectNames(Day(2009, 6, 27), "闰五", "初五", "");
  EXPECT_EQ(Festival(Day(2009, 5, 28)), "端午节");
  EXPECT_EQ(Festival(Day(2020, 6, 25)), "端午节");  // the fifth month after the leap fourth
  ExpectNames(Day(2034, 1, 1), "闰冬", "十一", "");
  EXPECT_EQ(Utf8(DateCn::LunarMonthFullName(Day(2034, 1, 1))), "闰冬月");
  EXPECT_EQ(Utf8(DateCn::LunarMonthFullName(Day(2024, 2, 10))), "正月");
  EXPECT_EQ(DateCn::LunarMonthFullName(Day(1900, 12, 31)), "");
}

TEST(LunarNames, TableEdges) {
  ExpectNames(Day(1901, 1, 1), "冬月", "十一", "");
  ExpectNames(Day(2050, 12, 30), "冬月", "十七", "");
  EXPECT_EQ(Festival(Day(2050, 12, 31)), "");  // asks for the month of 1 January 2051
}

TEST(LunarNames, OutsideTheTableNamesAreEmpty) {
  for (const double date : {Day(1900, 12, 31), Day(2051, 1, 1), Day(1850, 2, 1)}) {
    EXPECT_EQ(DateCn::LunarMonthName(date), "");
    EXPECT_EQ(DateCn::LunarDayName(date), "");
    EXPECT_EQ(DateCn::LunarFestival(date), "");
  }
}

TEST(LunarNames, MendedDaysOf2013) {
  EXPECT_EQ(DayName(Day(2013, 6, 8)), "初一");
  EXPECT_EQ(MonthName(Day(2013, 6, 8)), "五月");
  EXPECT_EQ(Festival(Day(2013, 6, 12)), "端午节");
  EXPECT_EQ(Festival(Day(2013, 6, 11)), "");
  EXPECT_EQ(MonthName(Day(1989, 8, 2)), "七月");
  EXPECT_EQ(Festival(Day(1989, 8, 8)), "七夕节");
}

// Every day of 1901-2050 gets one of the 24 month names and 30 day names,
// agreeing with its code.
TEST(LunarNames, EveryCodeDecodesToAValidName) {
  const std::string monthNames[] = {"正", "二", "三", "四", "五", "六", "七", "八", "九", "十", "冬", "腊"};
  const std::string dayTens[] = {"初", "十", "廿", "三"};
  const std::string digits[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
  for (double date = calendar_test::FirstDay(); date <= calendar_test::LastDay(); ++date) {
    const DateCn::LunarDateCode code = DateCn::LunarDate(date);
    const int month = DateCn::LunarMonthOf(code);
    const int day = DateCn::LunarDayOf(code);
    ASSERT_GE(day, 1) << date;
    ASSERT_LE(day, 30) << date;
    const std::string expectedMonth = month < 0 ? "闰" + monthNames[-month - 1] : monthNames[month - 1] + "月";
    ASSERT_EQ(MonthName(date), expectedMonth) << date;
    // 初一..初十, 十一..十九, 二十, 廿一..廿九, 三十
    std::string expectedDay;
    if (day == 20) {
      expectedDay = "二十";
    } else if (day == 30) {
      expectedDay = "三十";
    } else {
      expectedDay = dayTens[(day - 1) / 10] + digits[(day - 1) % 10];
    }
    ASSERT_EQ(DayName(date), expectedDay) << date;
  }
}

// In every whole lunar year each festival falls once, on the right month and
// day, and New Year's Eve is the day before New Year.
TEST(LunarNames, EveryLunarYearHasEachFestivalOnce) {
  const std::map<std::string, DateCn::LunarDateCode> festivalDays = {{"春节", 101},   {"元宵节", 115}, {"端午节", 505},
                                                                     {"七夕节", 707}, {"中秋节", 815}, {"重阳节", 909},
                                                                     {"腊八节", 1208}};
  std::map<std::string, int> counts;
  int wholeYears = 0;
  for (double date = Day(1901, 2, 19); date < Day(2050, 1, 23); ++date) {
    const std::string festival = Festival(date);
    if (festival.empty()) continue;
    ++counts[festival];
    if (festival == "除夕") {
      ASSERT_EQ(DateCn::LunarDate(date + 1), 101) << date;
      ++wholeYears;
    } else {
      ASSERT_TRUE(festivalDays.contains(festival)) << festival;
      ASSERT_EQ(DateCn::LunarDate(date), festivalDays.at(festival)) << date;
    }
  }
  EXPECT_EQ(wholeYears, 149);
  for (const auto& [festival, day] : festivalDays) EXPECT_EQ(counts[festival], 149) << festival;
  EXPECT_EQ(counts.size(), festivalDays.size() + 1);
}

}  // namespace
