#include <string>

#include <gtest/gtest.h>

#include "calendar_test_support.h"

using calendar_test::Day;
using calendar_test::Utf8;

namespace {

std::string Sign(int month, int day) { return Utf8(DateCn::StarSign(Day(2024, month, day))); }

TEST(StarSigns, BoundaryDays) {
  EXPECT_EQ(Sign(1, 19), "摩羯座");
  EXPECT_EQ(Sign(1, 20), "水瓶座");
  EXPECT_EQ(Sign(2, 18), "水瓶座");
  EXPECT_EQ(Sign(2, 19), "双鱼座");
  EXPECT_EQ(Sign(8, 22), "狮子座");
  EXPECT_EQ(Sign(8, 23), "处女座");
  EXPECT_EQ(Sign(8, 24), "处女座");
  EXPECT_EQ(Sign(11, 22), "射手座");
  EXPECT_EQ(Sign(12, 21), "射手座");
  EXPECT_EQ(Sign(12, 22), "摩羯座");
  EXPECT_EQ(Sign(10, 23), "天秤座");
  EXPECT_EQ(Sign(10, 24), "天蝎座");
}

// Through a year the signs follow the zodiac in order, each beginning once, and
// every day has one.
TEST(StarSigns, TwelveSignsInOrderThroughTheYear) {
  const std::string order[] = {"摩羯座", "水瓶座", "双鱼座", "白羊座", "金牛座", "双子座", "巨蟹座",
                               "狮子座", "处女座", "天秤座", "天蝎座", "射手座", "摩羯座"};
  int position = 0;
  for (double date = Day(2023, 1, 1); date <= Day(2023, 12, 31); ++date) {
    const std::string sign = Utf8(DateCn::StarSign(date));
    if (sign != order[position]) {
      ++position;
      ASSERT_LT(position, 13) << date;
      ASSERT_EQ(sign, order[position]) << date;
    }
  }
  EXPECT_EQ(position, 12);
}

TEST(StarSigns, OfDayTakesMonthFromTheDateValue) {
  EXPECT_EQ(Utf8(DateCn::StarSignOfDay(20, Day(2024, 1, 3))), "水瓶座");
  EXPECT_EQ(Utf8(DateCn::StarSignOfDay(19, Day(1990, 1, 31))), "摩羯座");
  EXPECT_EQ(Utf8(DateCn::StarSignOfDay(23, Day(2024, 8, 1))), "处女座");
  EXPECT_EQ(DateCn::StarSignOfDay(30, Day(2024, 2, 1)), "");
  EXPECT_EQ(DateCn::StarSignOfDay(0, Day(2024, 2, 1)), "");
}

}  // namespace
