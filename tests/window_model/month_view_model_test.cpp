#include "window/model/month_view_model.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "calendar/date_value.h"
#include "text/gbk.h"
#include "window/model/day_details.h"
#include "window/model/month_dates.h"

namespace {

using DateWin::TLunarTextKind;
using DateWin::TMonthView;

TMonthView Show(int year, int month, int day) {
  return DateWin::BuildMonthView(DateCn::EncodeDate(year, month, day), "2000-01-01");
}

const DateWin::TCellView& CellOfDay(const TMonthView& view, int day) {
  for (const DateWin::TCellView& cell : view.Cells) {
    if (cell.Visible && cell.Day == day) return cell;
  }
  throw std::out_of_range("no cell shows day " + std::to_string(day));
}

std::string Lunar(const DateWin::TCellView& cell) { return text::GbkToUtf8(cell.LunarText); }

std::vector<int> VisibleCells(const TMonthView& view) {
  std::vector<int> cells;
  for (int cell = 1; cell <= DateWin::kCellCount; ++cell) {
    if (view.Cells[cell - 1].Visible) cells.push_back(cell);
  }
  return cells;
}

TEST(CellGeometry, CellsStep42PixelsAcrossAnd32Down) {
  EXPECT_EQ(DateWin::DayCellPosition(1), (DateWin::TPoint{14, 56}));
  EXPECT_EQ(DateWin::LunarCellPosition(1), (DateWin::TPoint{13, 73}));
  EXPECT_EQ(DateWin::DayCellPosition(7).Left, 266);
  EXPECT_EQ(DateWin::LunarCellPosition(7).Left, 265);
  EXPECT_EQ(DateWin::DayCellPosition(36), (DateWin::TPoint{14, 216}));
  EXPECT_EQ(DateWin::LunarCellPosition(36), (DateWin::TPoint{13, 233}));
  EXPECT_EQ(DateWin::DayCellPosition(37).Left, 56);
  EXPECT_EQ(DateWin::DayCellPosition(8), (DateWin::TPoint{14, 88}));
}

TEST(CellGeometry, MarkerFramesTheDayWhicheverLabelWasPressed) {
  EXPECT_EQ(DateWin::MarkerForCell(1), (DateWin::TPoint{13, 57}));
  for (int cell = 1; cell <= DateWin::kCellCount; ++cell) {
    const DateWin::TPoint lunar = DateWin::LunarCellPosition(cell);
    EXPECT_EQ(DateWin::MarkerForCell(cell), (DateWin::TPoint{lunar.Left, lunar.Top - 16})) << cell;
  }
}

TEST(MonthFill, ThirtyOneDaysFromSaturdayReachTheLastCell) {
  const TMonthView view = Show(2025, 3, 10);  // 1 March 2025 is a Saturday
  const std::vector<int> cells = VisibleCells(view);
  ASSERT_EQ(cells.size(), 31u);
  EXPECT_EQ(cells.front(), 7);
  EXPECT_EQ(cells.back(), 37);
  EXPECT_EQ(view.Cells[6].DayText, "1");
  EXPECT_EQ(view.Cells[36].DayText, "31");
  EXPECT_EQ(view.Cells[36].Day, 31);
  EXPECT_TRUE(view.Cells[5].DayText.empty());
  EXPECT_EQ(view.Cells[5].Day, 0);
}

TEST(MonthFill, FebruaryFromSundayLeavesTheLastRowsEmpty) {
  const TMonthView view = Show(2015, 2, 1);
  const std::vector<int> cells = VisibleCells(view);
  ASSERT_EQ(cells.size(), 28u);
  EXPECT_EQ(cells.front(), 1);
  EXPECT_EQ(cells.back(), 28);
  EXPECT_EQ(view.SelectedCell, 1);
  EXPECT_EQ(view.Marker, (DateWin::TPoint{13, 57}));
}

TEST(MonthFill, HeaderShowsYearAndMonthWithoutLeadingZero) {
  const TMonthView view = Show(2024, 2, 10);
  EXPECT_EQ(view.YearText, "2024");
  EXPECT_EQ(view.MonthText, "2");
  EXPECT_EQ(Show(1999, 12, 1).MonthText, "12");
}

TEST(MonthFill, MarkerOnTheShownDatesOwnDay) {
  const TMonthView view = Show(2024, 2, 10);  // 1 February 2024 is a Thursday: cell 5
  EXPECT_EQ(view.SelectedCell, 14);
  EXPECT_EQ(view.Marker, DateWin::MarkerForCell(14));
  EXPECT_EQ(view.Marker, (DateWin::TPoint{14 + 6 * 42 - 1, 56 + 32 + 1}));
  // 31 January 2010 selected, February chosen: the 28th is marked.
  const TMonthView february = DateWin::BuildMonthView(DateWin::ClampedDate(2010, 2, 31), "");
  EXPECT_EQ(february.Cells[february.SelectedCell - 1].Day, 28);
}

TEST(LunarText, PlainDayNamesTakeTheColumnColour) {
  const TMonthView view = Show(2024, 2, 10);
  const DateWin::TCellView& saturday = CellOfDay(view, 17);  // 初八
  EXPECT_EQ(Lunar(saturday), "初八");
  EXPECT_EQ(saturday.LunarColour, DateWin::kWeekendColour);
  EXPECT_EQ(saturday.DayColour, DateWin::kWeekendColour);
  EXPECT_EQ(saturday.LunarKind, TLunarTextKind::DayName);
  const DateWin::TCellView& thursday = CellOfDay(view, 15);
  EXPECT_EQ(Lunar(thursday), "初六");
  EXPECT_EQ(thursday.LunarColour, DateWin::kLunarWeekdayColour);
  EXPECT_EQ(thursday.DayColour, DateWin::kWeekdayDayColour);
}

TEST(LunarText, FirstLunarDayShowsTheMonthNameInRed) {
  const DateWin::TCellView& cell = CellOfDay(Show(2024, 1, 1), 11);  // 腊月初一, a Thursday
  EXPECT_EQ(Lunar(cell), "腊月");
  EXPECT_EQ(cell.LunarColour, DateWin::kLunarMonthColour);
  EXPECT_EQ(cell.DayColour, DateWin::kWeekdayDayColour);
  EXPECT_EQ(Lunar(CellOfDay(Show(2017, 7, 1), 23)), "闰六");
}

TEST(LunarText, NewYearShowsTheFestivalNotTheMonthName) {
  const DateWin::TCellView& cell = CellOfDay(Show(2024, 2, 1), 10);  // also 气象节
  EXPECT_EQ(Lunar(cell), "春节");
  EXPECT_EQ(cell.LunarColour, DateWin::kFestivalColour);
  EXPECT_EQ(cell.LunarKind, TLunarTextKind::LunarFestival);
  EXPECT_EQ(Lunar(CellOfDay(Show(1905, 2, 1), 4)), "春节");  // also 立春
}

TEST(LunarText, SolarTermBeatsGregorianFestivalAndMonthName) {
  const DateWin::TCellView& spring = CellOfDay(Show(2023, 3, 1), 21);  // 春分 and 森林日
  EXPECT_EQ(Lunar(spring), "春分");
  EXPECT_EQ(spring.LunarColour, DateWin::kSolarTermColour);
  const DateWin::TCellView& summer = CellOfDay(Show(2020, 6, 1), 21);  // 夏至, 父亲节 and 五月初一, a Sunday
  EXPECT_EQ(Lunar(summer), "夏至");
  EXPECT_EQ(summer.LunarColour, DateWin::kSolarTermColour);
  EXPECT_EQ(summer.DayColour, DateWin::kWeekendColour);
  const DateWin::TCellView& weekendTerm = CellOfDay(Show(2024, 1, 1), 6);  // 小寒 on a Saturday
  EXPECT_EQ(Lunar(weekendTerm), "小寒");
  EXPECT_EQ(weekendTerm.LunarColour, DateWin::kSolarTermColour);
}

TEST(LunarText, GregorianFestivalBeatsTheMonthName) {
  const DateWin::TCellView& cell = CellOfDay(Show(1901, 6, 1), 16);  // 五月初一 and 父亲节
  EXPECT_EQ(Lunar(cell), "父亲节");
  EXPECT_EQ(cell.LunarColour, DateWin::kFestivalColour);
  EXPECT_EQ(cell.LunarKind, TLunarTextKind::GregorianFestival);
  EXPECT_EQ(Lunar(CellOfDay(Show(2024, 5, 1), 12)), "母亲节");
  EXPECT_EQ(Lunar(CellOfDay(Show(2023, 3, 1), 22)), "水日");  // 闰二月初一
}

TEST(InformationTexts, NameTheShownDate) {
  const TMonthView view = DateWin::BuildMonthView(DateCn::EncodeDate(2024, 2, 10), "2024/2/10");
  EXPECT_EQ(text::GbkToUtf8(view.Info.SelectedDate), "选定日期为：2024/2/10");
  EXPECT_EQ(text::GbkToUtf8(view.Info.LunarDate), "甲辰年正月初一");
  EXPECT_EQ(text::GbkToUtf8(view.Info.SpecialDays), "春节气象节");
  EXPECT_EQ(text::GbkToUtf8(view.Info.StarSign), "水瓶座");
  EXPECT_EQ(text::GbkToUtf8(view.Info.YearNames), "甲辰龙");
}

TEST(InformationTexts, JoinTermAndFestivalsAndNameLeapMonths) {
  const DateWin::TInformationTexts summer = DateWin::InformationFor(DateCn::EncodeDate(2020, 6, 21), "");
  EXPECT_EQ(text::GbkToUtf8(summer.SpecialDays), "夏至父亲节");
  EXPECT_EQ(text::GbkToUtf8(summer.LunarDate), "庚子年五月初一");
  const DateWin::TInformationTexts leap = DateWin::InformationFor(DateCn::EncodeDate(2034, 1, 1), "");
  EXPECT_EQ(text::GbkToUtf8(leap.LunarDate), "癸丑年闰冬十一");
  EXPECT_EQ(text::GbkToUtf8(leap.SpecialDays), "元旦节");
  EXPECT_EQ(text::GbkToUtf8(leap.YearNames), "癸丑牛");
  EXPECT_EQ(text::GbkToUtf8(DateWin::InformationFor(DateCn::EncodeDate(2024, 8, 23), "").StarSign), "处女座");
}

TEST(Marks, TodayHasItsOwnCellWhereverTheSelectionIs) {
  const DateWin::TMonthMarks marks{DateCn::EncodeDate(2026, 12, 8), nullptr};
  const TMonthView december = DateWin::BuildMonthView(DateCn::EncodeDate(2026, 12, 20), "", marks);
  EXPECT_EQ(december.Cells[december.TodayCell - 1].Day, 8);
  EXPECT_EQ(december.Cells[december.SelectedCell - 1].Day, 20);
  EXPECT_EQ(DateWin::BuildMonthView(DateCn::EncodeDate(2026, 6, 8), "", marks).TodayCell, 0);
  EXPECT_EQ(DateWin::BuildMonthView(DateCn::EncodeDate(2025, 12, 8), "", marks).TodayCell, 0);
  EXPECT_EQ(Show(2026, 12, 8).TodayCell, 0);  // no today given
}

TEST(Marks, CellsCarryTheirHolidays) {
  const DateCn::THolidayCalendar holidays;
  const TMonthView view = DateWin::BuildMonthView(DateCn::EncodeDate(2026, 2, 1), "", {std::nullopt, &holidays});
  EXPECT_EQ(CellOfDay(view, 14).Holiday.Kind, DateCn::THolidayKind::WorkDay);
  EXPECT_EQ(text::GbkToUtf8(CellOfDay(view, 14).Holiday.Name), "春节");
  EXPECT_EQ(CellOfDay(view, 15).Holiday.Kind, DateCn::THolidayKind::DayOff);
  EXPECT_EQ(CellOfDay(view, 13).Holiday, DateCn::THolidayMark{});
  EXPECT_EQ(CellOfDay(Show(2026, 2, 1), 14).Holiday, DateCn::THolidayMark{});  // no holidays given
}

TEST(DayDetails, NameEverythingInFull) {
  const DateCn::THolidayCalendar holidays;
  const auto details = [&holidays](int year, int month, int day) {
    return text::GbkToUtf8(DateWin::DayDetails(DateCn::EncodeDate(year, month, day), holidays));
  };
  EXPECT_EQ(details(2026, 12, 16), "丙午年 冬月初八\r\n生肖：马");
  EXPECT_EQ(details(2026, 12, 22), "丙午年 冬月十四\r\n生肖：马\r\n节气：冬至");
  EXPECT_EQ(details(2024, 2, 10), "甲辰年 正月初一\r\n生肖：龙\r\n节日：春节、国际气象节\r\n春节 休");
  EXPECT_EQ(details(2026, 2, 14), "乙巳年 腊月廿七\r\n生肖：蛇\r\n节日：情人节\r\n春节 班");
  EXPECT_EQ(details(2024, 5, 12), "甲辰年 四月初五\r\n生肖：龙\r\n节日：母亲节、国际护士节");
  EXPECT_EQ(details(2023, 3, 21), "癸卯年 二月三十\r\n生肖：兔\r\n节气：春分\r\n节日：世界森林日");
  EXPECT_EQ(details(2023, 3, 22), "癸卯年 闰二月初一\r\n生肖：兔\r\n节日：世界水日");
}

// Every month of 1901-2050: the days fill consecutive cells from the first
// day's weekday column, every shown cell has a lunar text whose colour matches
// its kind, and the marker stands on the shown day.
TEST(MonthFill, EveryMonthOfTheTable) {
  for (int year = 1901; year <= 2050; ++year) {
    for (int month = 1; month <= 12; ++month) {
      const int shownDay = 1 + (year * 7 + month * 3) % DateWin::MonthLength(year, month);
      const TMonthView view = Show(year, month, shownDay);
      const int firstCell = DateCn::DayOfWeek(DateCn::EncodeDate(year, month, 1));
      const int length = DateWin::MonthLength(year, month);
      for (int cell = 1; cell <= DateWin::kCellCount; ++cell) {
        const DateWin::TCellView& cellView = view.Cells[cell - 1];
        const bool weekend = (cell - 1) % 7 == 0 || (cell - 1) % 7 == 6;
        const int day = cell - firstCell + 1;
        ASSERT_EQ(cellView.Visible, day >= 1 && day <= length) << year << "-" << month << " cell " << cell;
        if (!cellView.Visible) continue;
        ASSERT_EQ(cellView.Day, day);
        ASSERT_EQ(cellView.DayText, std::to_string(day));
        ASSERT_FALSE(cellView.LunarText.empty());
        ASSERT_EQ(cellView.DayColour, weekend ? DateWin::kWeekendColour : DateWin::kWeekdayDayColour);
        switch (cellView.LunarKind) {
          case TLunarTextKind::DayName:
            ASSERT_EQ(cellView.LunarColour, weekend ? DateWin::kWeekendColour : DateWin::kLunarWeekdayColour);
            break;
          case TLunarTextKind::MonthName:
            ASSERT_EQ(cellView.LunarColour, DateWin::kLunarMonthColour);
            break;
          case TLunarTextKind::SolarTerm:
            ASSERT_EQ(cellView.LunarColour, DateWin::kSolarTermColour);
            break;
          case TLunarTextKind::GregorianFestival:
          case TLunarTextKind::LunarFestival:
            ASSERT_EQ(cellView.LunarColour, DateWin::kFestivalColour);
            break;
        }
      }
      ASSERT_EQ(view.Cells[view.SelectedCell - 1].Day, shownDay);
      ASSERT_EQ(view.Marker, DateWin::MarkerForCell(view.SelectedCell));
    }
  }
}

}  // namespace
