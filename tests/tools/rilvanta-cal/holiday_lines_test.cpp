#include "tools/rilvanta-cal/holiday_lines.h"

#include <gtest/gtest.h>

namespace {

TEST(HolidayLines, YearInTheFormOfHolidaysTxt) {
  DateCn::THolidayCalendar holidays;
  const std::string year2026 = rilvanta_cal::HolidayLines(holidays, 2026);
  EXPECT_TRUE(year2026.starts_with("2026-01-01 休 元旦\n2026-01-02 休 元旦\n2026-01-03 休 元旦\n2026-01-04 班 元旦\n"));
  EXPECT_NE(year2026.find("2026-02-14 班 春节\n2026-02-15 休 春节\n"), std::string::npos);
  EXPECT_TRUE(year2026.ends_with("2026-10-07 休 国庆节\n2026-10-10 班 国庆节\n"));
  EXPECT_EQ(rilvanta_cal::HolidayLines(holidays, 2027), "");
  // What a file adds reads back the same; the lines it could not use are reported.
  const auto problems = holidays.AddUserText("2027-02-06 班 春节\n2025-01-01 休 元旦\n");
  EXPECT_EQ(rilvanta_cal::HolidayLines(holidays, 2027), "2027-02-06 班 春节\n");
  EXPECT_EQ(rilvanta_cal::SkippedLinesReport("h.txt", problems),
            "rilvanta-cal: h.txt:2: 2025-01-01: the years up to 2026 come with the program and stay as they are\n");
}

}  // namespace
