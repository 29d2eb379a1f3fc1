#include "calendar/holidays/holiday_text.h"

#include <gtest/gtest.h>

#include <string>

#include "calendar_test_support.h"

using calendar_test::Utf8;
using DateCn::THolidayKind;

namespace {

TEST(HolidayText, ReadsDaysWithNamesInGbk) {
  const DateCn::THolidayText text = DateCn::ParseHolidayText(
      "\xEF\xBB\xBF"  // a byte-order mark
      "# 2027\n"
      "2027-02-05 休 春节\r\n"
      "\n"
      "  2027-02-07\t班\t春节   # a make-up day\n"
      "2027-10-01 休 国庆节、中秋节");
  EXPECT_TRUE(text.Problems.empty());
  ASSERT_EQ(text.Days.size(), 3u);
  EXPECT_EQ(text.Days[0].Line, 2);
  EXPECT_EQ(text.Days[0].Day.Date.Day, 5);
  EXPECT_EQ(text.Days[0].Day.Mark.Kind, THolidayKind::DayOff);
  EXPECT_EQ(text.Days[0].Day.Mark.Name, "\xB4\xBA\xBD\xDA");  // 春节 in GBK
  EXPECT_EQ(text.Days[1].Line, 4);
  EXPECT_EQ(text.Days[1].Day.Mark.Kind, THolidayKind::WorkDay);
  EXPECT_EQ(Utf8(text.Days[1].Day.Mark.Name), "春节");
  EXPECT_EQ(Utf8(text.Days[2].Day.Mark.Name), "国庆节、中秋节");
}

TEST(HolidayText, SkipsAndReportsLinesThatGiveNoDay) {
  const std::string form = "not of the form 'YYYY-MM-DD 休|班 NAME'";
  const struct {
    std::string Line;
    std::string Reason;
  } kCases[] = {
      {"2027-02-05 放 春节", form},
      {"2027-2-5 休 春节", form},
      {"2027-02-05休 春节", form},
      {"休 2027-02-05 春节", form},
      {"2027-02-05", form},
      {"\xFF\xFE garbage", form},
      {"2027-02-30 休 春节", "2027-02-30 is no day of the calendar"},
      {"2027-02-05 休", "the holiday's name is missing"},
      {"2027-02-05 班 # no name", "the holiday's name is missing"},
  };
  for (const auto& bad : kCases) {
    const DateCn::THolidayText text = DateCn::ParseHolidayText("# first\n" + bad.Line + "\n2027-02-06 休 春节\n");
    EXPECT_EQ(text.Problems, (std::vector<DateCn::THolidayLineProblem>{{2, bad.Reason}})) << bad.Line;
    ASSERT_EQ(text.Days.size(), 1u) << bad.Line;
    EXPECT_EQ(text.Days[0].Line, 3);
  }
}

}  // namespace
