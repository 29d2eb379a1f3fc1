#include "tools/rilvanta-cal/month_grid.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

const DateCn::THolidayCalendar kHolidays;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

TEST(MonthGrid, WeeksOfDayNumbersWithHolidayMarksOverLunarTexts) {
  const std::string grid = rilvanta_cal::MonthGrid(2024, 2, std::nullopt, false, kHolidays);
  EXPECT_EQ(grid,
            "2024年2月\n"
            "   日      一      二      三      四      五      六\n"
            "                                   1       2       3\n"
            "                                  廿二   湿地日   廿四\n"
            "  4班      5       6       7       8       9      10休\n"
            "  立春    廿六    廿七    廿八    廿九    除夕    春节\n"
            "  11休    12休    13休    14休    15休    16休    17休\n"
            "  初二    初三    初四   情人节   初六    初七    初八\n"
            "  18班     19      20      21      22      23      24\n"
            "  初九    雨水    十一    十二    十三    十四   元宵节\n"
            "   25      26      27      28      29\n"
            "  十六    十七    十八    十九    二十\n");
}

TEST(MonthGrid, SixthRowAppearsOnlyWhenUsed) {
  // March 2025 starts on a Saturday and reaches cell 37.
  const std::vector<std::string> march = Lines(rilvanta_cal::MonthGrid(2025, 3, std::nullopt, false, kHolidays));
  ASSERT_EQ(march.size(), 2u + 2 * 6);
  EXPECT_EQ(march[12], "   30      31");
  // February 2015 starts on a Sunday and fills four rows.
  EXPECT_EQ(Lines(rilvanta_cal::MonthGrid(2015, 2, std::nullopt, false, kHolidays)).size(), 2u + 2 * 4);
}

TEST(MonthGrid, TodayInBracketsWithoutColour) {
  const std::vector<std::string> lines =
      Lines(rilvanta_cal::MonthGrid(2024, 2, DateCn::TCivilDate{2024, 2, 10}, false, kHolidays));
  EXPECT_EQ(lines[4], "  4班      5       6       7       8       9     [10]休");
  const std::string otherMonth = rilvanta_cal::MonthGrid(2024, 3, DateCn::TCivilDate{2024, 2, 10}, false, kHolidays);
  EXPECT_EQ(otherMonth.find('['), std::string::npos);
}

TEST(MonthGrid, ColoursFollowTheWindow) {
  const std::string grid = rilvanta_cal::MonthGrid(2024, 2, DateCn::TCivilDate{2024, 2, 14}, true, kHolidays);
  EXPECT_NE(grid.find("\x1b[31m日\x1b[0m"), std::string::npos);          // weekend header
  EXPECT_NE(grid.find("\x1b[38;5;208m春节\x1b[0m"), std::string::npos);  // festival
  EXPECT_NE(grid.find("\x1b[94m立春\x1b[0m"), std::string::npos);        // solar term
  EXPECT_NE(grid.find("\x1b[32m初三\x1b[0m"), std::string::npos);        // weekday lunar day
  EXPECT_NE(grid.find("\x1b[31m初八\x1b[0m"), std::string::npos);        // weekend lunar day
  EXPECT_NE(grid.find("\x1b[7m14休\x1b[0m"), std::string::npos);         // today, reversed
  EXPECT_NE(grid.find(" 19 "), std::string::npos);                       // weekday numbers plain
  EXPECT_EQ(grid.find("\x1b[m"), std::string::npos);                     // no empty styles
  EXPECT_EQ(rilvanta_cal::MonthGrid(2024, 2, std::nullopt, false, kHolidays).find('\x1b'), std::string::npos);
}

}  // namespace
