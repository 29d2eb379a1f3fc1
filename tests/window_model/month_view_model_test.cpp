#include "window/model/month_view_model.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "calendar/date_value.h"
#include "text/gbk.h"
#include "window/model/month_dates.h"

namespace {

using DateWin::LunarTextKind;
using DateWin::MonthView;

MonthView Show(int year, int month, int day) {
  return DateWin::BuildMonthView(DateCn::EncodeDate(year, month, day), "2000-01-01");
}

const DateWin::CellView& CellOfDay(const MonthView& view, int day) {
  for (const DateWin::CellView& cell : view.cells) {
    if (cell.visible && cell.day == day) return cell;
  }
  throw std::out_of_range("no cell shows day " + std::to_string(day));
}

std::string Lunar(const DateWin::CellView& cell) { return text::GbkToUtf8(cell.lunar_text); }

std::vector<int> VisibleCells(const MonthView& view) {
  std::vector<int> cells;
  for (int cell = 1; cell <= DateWin::kCellCount; ++cell) {
    if (view.cells[cell - 1].visible) cells.push_back(cell);
  }
  return cells;
}

TEST(CellGeometry, CellsStep42PixelsAcrossAnd32Down) {
  EXPECT_EQ(DateWin::DayCellPosition(1), (DateWin::Point{14, 56}));
  EXPECT_EQ(DateWin::LunarCellPosition(1), (DateWin::Point{13, 73}));
  EXPECT_EQ(DateWin::DayCellPosition(7).left, 266);
  EXPECT_EQ(DateWin::LunarCellPosition(7).left, 265);
  EXPECT_EQ(DateWin::DayCellPosition(36), (DateWin::Point{14, 216}));
  EXPECT_EQ(DateWin::LunarCellPosition(36), (DateWin::Point{13, 233}));
  EXPECT_EQ(DateWin::DayCellPosition(37).left, 56);
  EXPECT_EQ(DateWin::DayCellPosition(8), (DateWin::Point{14, 88}));
}

TEST(CellGeometry, MarkerFramesTheDayWhicheverLabelWasPressed) {
  EXPECT_EQ(DateWin::MarkerForCell(1), (DateWin::Point{13, 57}));
  for (int cell = 1; cell <= DateWin::kCellCount; ++cell) {
    const DateWin::Point lunar = DateWin::LunarCellPosition(cell);
    EXPECT_EQ(DateWin::MarkerForCell(cell), (DateWin::Point{lunar.left, lunar.top - 16})) << cell;
  }
}

TEST(MonthFill, ThirtyOneDaysFromSaturdayReachTheLastCell) {
  const MonthView view = Show(2025, 3, 10);  // 1 March 2025 is a Saturday
  const std::vector<int> cells = VisibleCells(view);
  ASSERT_EQ(cells.size(), 31u);
  EXPECT_EQ(cells.front(), 7);
  EXPECT_EQ(cells.back(), 37);
  EXPECT_EQ(view.cells[6].day_text, "1");
  EXPECT_EQ(view.cells[36].day_text, "31");
  EXPECT_EQ(view.cells[36].day, 31);
  EXPECT_TRUE(view.cells[5].day_text.empty());
  EXPECT_EQ(view.cells[5].day, 0);
}

TEST(MonthFill, FebruaryFromSundayLeavesTheLastRowsEmpty) {
  const MonthView view = Show(2015, 2, 1);
  const std::vector<int> cells = VisibleCells(view);
  ASSERT_EQ(cells.size(), 28u);
  EXPECT_EQ(cells.front(), 1);
  EXPECT_EQ(cells.back(), 28);
  EXPECT_EQ(view.selected_cell, 1);
  EXPECT_EQ(view.marker, (DateWin::Point{13, 57}));
}

TEST(MonthFill, HeaderShowsYearAndMonthWithoutLeadingZero) {
  const MonthView view = Show(2024, 2, 10);
  EXPECT_EQ(view.year_text, "2024");
  EXPECT_EQ(view.month_text, "2");
  EXPECT_EQ(Show(1999, 12, 1).month_text, "12");
}

TEST(MonthFill, MarkerOnTheShownDatesOwnDay) {
  const MonthView view = Show(2024, 2, 10);  // 1 February 2024 is a Thursday: cell 5
  EXPECT_EQ(view.selected_cell, 14);
  EXPECT_EQ(view.marker, DateWin::MarkerForCell(14));
  EXPECT_EQ(view.marker, (DateWin::Point{14 + 6 * 42 - 1, 56 + 32 + 1}));
  // 31 January 2010 selected, February chosen: the 28th is marked.
  const MonthView february = DateWin::BuildMonthView(DateWin::ClampedDate(2010, 2, 31), "");
  EXPECT_EQ(february.cells[february.selected_cell - 1].day, 28);
}

TEST(LunarText, PlainDayNamesTakeTheColumnColour) {
  const MonthView view = Show(2024, 2, 10);
  const DateWin::CellView& saturday = CellOfDay(view, 17);  // 初八
  EXPECT_EQ(Lunar(saturday), "初八");
  EXPECT_EQ(saturday.lunar_colour, DateWin::kWeekendColour);
  EXPECT_EQ(saturday.day_colour, DateWin::kWeekendColour);
  EXPECT_EQ(saturday.lunar_kind, LunarTextKind::kDayName);
  const DateWin::CellView& thursday = CellOfDay(view, 15);
  EXPECT_EQ(Lunar(thursday), "初六");
  EXPECT_EQ(thursday.lunar_colour, DateWin::kLunarWeekdayColour);
  EXPECT_EQ(thursday.day_colour, DateWin::kWeekdayDayColour);
}

TEST(LunarText, FirstLunarDayShowsTheMonthNameInRed) {
  const DateWin::CellView& cell = CellOfDay(Show(2024, 1, 1), 11);  // 腊月初一, a Thursday
  EXPECT_EQ(Lunar(cell), "腊月");
  EXPECT_EQ(cell.lunar_colour, DateWin::kLunarMonthColour);
  EXPECT_EQ(cell.day_colour, DateWin::kWeekdayDayColour);
  EXPECT_EQ(Lunar(CellOfDay(Show(2017, 7, 1), 23)), "闰六");
}

TEST(LunarText, NewYearShowsTheFestivalNotTheMonthName) {
  const DateWin::CellView& cell = CellOfDay(Show(2024, 2, 1), 10);  // also 气象节
  EXPECT_EQ(Lunar(cell), "春节");
  EXPECT_EQ(cell.lunar_colour, DateWin::kFestivalColour);
  EXPECT_EQ(cell.lunar_kind, LunarTextKind::kLunarFestival);
  EXPECT_EQ(Lunar(CellOfDay(Show(1905, 2, 1), 4)), "春节");  // also 立春
}

TEST(LunarText, SolarTermBeatsGregorianFestivalAndMonthName) {
  const DateWin::CellView& spring = CellOfDay(Show(2023, 3, 1), 21);  // 春分 and 森林日
  EXPECT_EQ(Lunar(spring), "春分");
  EXPECT_EQ(spring.lunar_colour, DateWin::kSolarTermColour);
  const DateWin::CellView& summer = CellOfDay(Show(2020, 6, 1), 21);  // 夏至, 父亲节 and 五月初一, a Sunday
  EXPECT_EQ(Lunar(summer), "夏至");
  EXPECT_EQ(summer.lunar_colour, DateWin::kSolarTermColour);
  EXPECT_EQ(summer.day_colour, DateWin::kWeekendColour);
  const DateWin::CellView& weekend_term = CellOfDay(Show(2024, 1, 1), 6);  // 小寒 on a Saturday
  EXPECT_EQ(Lunar(weekend_term), "小寒");
  EXPECT_EQ(weekend_term.lunar_colour, DateWin::kSolarTermColour);
}

TEST(LunarText, GregorianFestivalBeatsTheMonthName) {
  const DateWin::CellView& cell = CellOfDay(Show(1901, 6, 1), 16);  // 五月初一 and 父亲节
  EXPECT_EQ(Lunar(cell), "父亲节");
  EXPECT_EQ(cell.lunar_colour, DateWin::kFestivalColour);
  EXPECT_EQ(cell.lunar_kind, LunarTextKind::kGregorianFestival);
  EXPECT_EQ(Lunar(CellOfDay(Show(2024, 5, 1), 12)), "母亲节");
  EXPECT_EQ(Lunar(CellOfDay(Show(2023, 3, 1), 22)), "水日");  // 闰二月初一
}

TEST(InformationTexts, NameTheShownDate) {
  const MonthView view = DateWin::BuildMonthView(DateCn::EncodeDate(2024, 2, 10), "2024/2/10");
  EXPECT_EQ(text::GbkToUtf8(view.info.selected_date), "选定日期为：2024/2/10");
  EXPECT_EQ(text::GbkToUtf8(view.info.lunar_date), "甲辰年正月初一");
  EXPECT_EQ(text::GbkToUtf8(view.info.special_days), "春节气象节");
  EXPECT_EQ(text::GbkToUtf8(view.info.star_sign), "水瓶座");
  EXPECT_EQ(text::GbkToUtf8(view.info.year_names), "甲辰龙");
}

TEST(InformationTexts, JoinTermAndFestivalsAndNameLeapMonths) {
  const DateWin::InformationTexts summer = DateWin::InformationFor(DateCn::EncodeDate(2020, 6, 21), "");
  EXPECT_EQ(text::GbkToUtf8(summer.special_days), "夏至父亲节");
  EXPECT_EQ(text::GbkToUtf8(summer.lunar_date), "庚子年五月初一");
  const DateWin::InformationTexts leap = DateWin::InformationFor(DateCn::EncodeDate(2034, 1, 1), "");
  EXPECT_EQ(text::GbkToUtf8(leap.lunar_date), "癸丑年闰冬十一");
  EXPECT_EQ(text::GbkToUtf8(leap.special_days), "元旦节");
  EXPECT_EQ(text::GbkToUtf8(leap.year_names), "癸丑牛");
  EXPECT_EQ(text::GbkToUtf8(DateWin::InformationFor(DateCn::EncodeDate(2024, 8, 23), "").star_sign), "处女座");
}

// Every month of 1901-2050: the days fill consecutive cells from the first
// day's weekday column, every shown cell has a lunar text whose colour matches
// its kind, and the marker stands on the shown day.
TEST(MonthFill, EveryMonthOfTheTable) {
  for (int year = 1901; year <= 2050; ++year) {
    for (int month = 1; month <= 12; ++month) {
      const int shown_day = 1 + (year * 7 + month * 3) % DateWin::MonthLength(year, month);
      const MonthView view = Show(year, month, shown_day);
      const int first_cell = DateCn::DayOfWeek(DateCn::EncodeDate(year, month, 1));
      const int length = DateWin::MonthLength(year, month);
      for (int cell = 1; cell <= DateWin::kCellCount; ++cell) {
        const DateWin::CellView& cell_view = view.cells[cell - 1];
        const bool weekend = (cell - 1) % 7 == 0 || (cell - 1) % 7 == 6;
        const int day = cell - first_cell + 1;
        ASSERT_EQ(cell_view.visible, day >= 1 && day <= length) << year << "-" << month << " cell " << cell;
        if (!cell_view.visible) continue;
        ASSERT_EQ(cell_view.day, day);
        ASSERT_EQ(cell_view.day_text, std::to_string(day));
        ASSERT_FALSE(cell_view.lunar_text.empty());
        ASSERT_EQ(cell_view.day_colour, weekend ? DateWin::kWeekendColour : DateWin::kWeekdayDayColour);
        switch (cell_view.lunar_kind) {
          case LunarTextKind::kDayName:
            ASSERT_EQ(cell_view.lunar_colour, weekend ? DateWin::kWeekendColour : DateWin::kLunarWeekdayColour);
            break;
          case LunarTextKind::kMonthName:
            ASSERT_EQ(cell_view.lunar_colour, DateWin::kLunarMonthColour);
            break;
          case LunarTextKind::kSolarTerm:
            ASSERT_EQ(cell_view.lunar_colour, DateWin::kSolarTermColour);
            break;
          case LunarTextKind::kGregorianFestival:
          case LunarTextKind::kLunarFestival:
            ASSERT_EQ(cell_view.lunar_colour, DateWin::kFestivalColour);
            break;
        }
      }
      ASSERT_EQ(view.cells[view.selected_cell - 1].day, shown_day);
      ASSERT_EQ(view.marker, DateWin::MarkerForCell(view.selected_cell));
    }
  }
}

}  // namespace
