#include "tools/rilvanta-cal/day_report.h"

#include <gtest/gtest.h>

#include "calendar/date_value.h"

namespace {

std::string Report(int year, int month, int day) {
  static const DateCn::THolidayCalendar kHolidays;
  return rilvanta_cal::DayReport(DateCn::EncodeDate(year, month, day), kHolidays);
}

TEST(DayReport, NamesEverythingAboutTheDay) {
  EXPECT_EQ(Report(2024, 2, 10),
            "日期：2024-02-10 星期六\n"
            "农历：正月初一\n"
            "农历节日：春节\n"
            "节气：无\n"
            "公历节日：气象节\n"
            "干支：甲辰年\n"
            "生肖：辰龙\n"
            "星座：水瓶座\n"
            "假日安排：春节 休\n");
  EXPECT_NE(Report(2026, 2, 14).find("假日安排：春节 班\n"), std::string::npos);
}

TEST(DayReport, LeapMonthReadsAsAMonthAndSolarTermsShow) {
  EXPECT_EQ(Report(2023, 3, 22),
            "日期：2023-03-22 星期三\n"
            "农历：闰二月初一\n"
            "农历节日：无\n"
            "节气：无\n"
            "公历节日：水日\n"
            "干支：癸卯年\n"
            "生肖：卯兔\n"
            "星座：白羊座\n"
            "假日安排：无\n");
  EXPECT_NE(Report(2024, 12, 21).find("节气：冬至\n"), std::string::npos);
}

TEST(DayReport, WeekdayNames) {
  EXPECT_EQ(rilvanta_cal::WeekdayName(1), "星期日");
  EXPECT_EQ(rilvanta_cal::WeekdayName(7), "星期六");
}

}  // namespace
