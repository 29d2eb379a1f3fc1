// What ShowMonth puts in the grid, the header and the information labels,
// at the edges where a wrong fill shows: months that start on a Saturday or
// a Sunday, days on which several texts compete, weekend columns.

#include <windows.h>

#include "calendar/date_cn.h"
#include "window_test_support.h"

namespace window_test {
namespace {

constexpr TColour kRed = 255, kBlack = 0, kLunarGreen = 16384, kFestival = 33023, kSolarTerm = 16733011;

// One window for all: each test shows the month it looks at.
class MonthFill : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { form = OpenWindow(Date(2026, 5, 15)); }
  static void TearDownTestSuite() { CloseWindow(form); }
  static inline DateWin::TFRM_Date* form = nullptr;

  void Show(double date) { form->ShowMonth(date); }
  int CellShowing(int day) { return window_test::CellShowing(*form, day); }
  ui::TLabel& Day(int day) { return *form->DayCells[CellShowing(day)]; }
  ui::TLabel& Lunar(int day) { return *form->LunarCells[CellShowing(day)]; }
  std::vector<int> VisibleCells() {
    std::vector<int> cells;
    for (int cell = 1; cell <= DateWin::kCellCount; ++cell) {
      EXPECT_EQ(form->DayCells[cell]->Visible(), form->LunarCells[cell]->Visible()) << "cell " << cell;
      if (form->DayCells[cell]->Visible()) cells.push_back(cell);
    }
    return cells;
  }
  static std::vector<int> Range(int first, int last) {
    std::vector<int> cells;
    for (int cell = first; cell <= last; ++cell) cells.push_back(cell);
    return cells;
  }
};

TEST_F(MonthFill, ThirtyOneDayMonthBeginningOnSaturdayFillsCellsSevenToThirtySeven) {
  Show(Date(2005, 10, 15));  // 1 October 2005 was a Saturday
  EXPECT_EQ(VisibleCells(), Range(7, 37));
  EXPECT_EQ(Text(*form->DayCells[7]), "1");
  EXPECT_EQ(Text(*form->DayCells[37]), "31");
  EXPECT_EQ(form->DayCells[37]->Tag(), 31);
  EXPECT_EQ(form->LunarCells[37]->Tag(), 31);
}

TEST_F(MonthFill, TwentyEightDayFebruaryBeginningOnSundayLeavesTheLastRowsEmpty) {
  Show(Date(2009, 2, 1));
  EXPECT_EQ(VisibleCells(), Range(1, 28));
  EXPECT_EQ(Text(*form->DayCells[1]), "1");
  EXPECT_EQ(Text(*form->DayCells[28]), "28");
}

TEST_F(MonthFill, ShortMonthAfterALongOneHidesTheCellsItDoesNotUse) {
  Show(Date(2005, 10, 15));
  Show(Date(2009, 2, 1));
  EXPECT_EQ(VisibleCells(), Range(1, 28));
}

TEST_F(MonthFill, SelectionMarkerFramesTheDayAndItsLunarText) {
  Show(Date(2009, 2, 1));
  EXPECT_EQ(form->Shape2->Left(), 13);
  EXPECT_EQ(form->Shape2->Top(), 57);
  Show(Date(2009, 2, 18));  // cell 18: column 3 of row 2
  EXPECT_EQ(form->Shape2->Left(), 14 + 42 * 3 - 1);
  EXPECT_EQ(form->Shape2->Top(), 56 + 32 * 2 + 1);
}

TEST_F(MonthFill, HeaderAndWatermarksShowYearAndMonthWithoutLeadingZero) {
  Show(Date(2009, 2, 1));
  EXPECT_EQ(Text(*form->Label1), "2009");
  EXPECT_EQ(Text(*form->Label20), "2009");
  EXPECT_EQ(Text(*form->Label17), "2");
  EXPECT_EQ(Text(*form->Label16), "2");
  Show(Date(2009, 11, 1));
  EXPECT_EQ(Text(*form->Label17), "11");
  EXPECT_EQ(Text(*form->Label16), "11");
}

// The ">" beside the month number never covers a digit; one digit keeps its place.
TEST_F(MonthFill, TwoDigitMonthsStandClearOfTheMonthButton) {
  for (int month = 1; month <= 12; ++month) {
    Show(Date(2026, month, 1));
    EXPECT_LE(form->Label17->Left() + form->Label17->Width(), form->SpeedButton1->Left()) << month;
    EXPECT_GE(form->Label17->Left(), 0) << month;
    if (month < 10) {
      EXPECT_EQ(form->Label17->Left(), 14) << month;
    }
  }
}

TEST_F(MonthFill, LunarNewYearShowsTheFestivalNotTheMonthName) {
  Show(Date(2010, 2, 1));
  EXPECT_EQ(Text(Lunar(14)), Gbk("春节"));
  EXPECT_EQ(Lunar(14).Font().Color(), kFestival);
  EXPECT_EQ(Text(Lunar(13)), Gbk("除夕"));
}

TEST_F(MonthFill, FirstDayOfALunarMonthShowsTheMonthNameInRed) {
  Show(Date(2005, 10, 15));
  EXPECT_EQ(Text(Lunar(3)), Gbk("九月"));  // a Monday
  EXPECT_EQ(Lunar(3).Font().Color(), kRed);
}

TEST_F(MonthFill, SolarTermOutranksAGregorianFestivalOnTheSameDay) {
  ASSERT_EQ(DateCn::GregorianFestival(21, Date(2003, 3, 1)), Gbk("森林日"));
  Show(Date(2003, 3, 1));
  EXPECT_EQ(Text(Lunar(21)), Gbk("春分"));
  EXPECT_EQ(Lunar(21).Font().Color(), kSolarTerm);
}

TEST_F(MonthFill, TextsAndColoursFollowThePriorityAndTheWeekendColumns) {
  Show(Date(2005, 10, 15));
  struct TExpected {
    int Day;
    const char* Lunar;
    TColour DayColour, LunarColour;
  };
  for (const TExpected& expected : {
           TExpected{1, "国庆节", kRed, kFestival},     // Saturday, Gregorian festival
           TExpected{2, "廿九", kRed, kRed},            // Sunday, a plain lunar day
           TExpected{4, "动物日", kBlack, kFestival},   // Tuesday, Gregorian festival
           TExpected{5, "初三", kBlack, kLunarGreen},   // Wednesday, a plain lunar day
           TExpected{8, "寒露", kRed, kSolarTerm},      // Saturday with a solar term
           TExpected{11, "重阳节", kBlack, kFestival},  // lunar festival
       }) {
    SCOPED_TRACE(expected.Day);
    EXPECT_EQ(Text(Day(expected.Day)), std::to_string(expected.Day));
    EXPECT_EQ(Day(expected.Day).Font().Color(), expected.DayColour);
    EXPECT_EQ(Text(Lunar(expected.Day)), Gbk(expected.Lunar));
    EXPECT_EQ(Lunar(expected.Day).Font().Color(), expected.LunarColour);
  }
}

TEST_F(MonthFill, ColoursOfAFormerMonthDoNotLinger) {
  Show(Date(2005, 10, 15));
  ASSERT_EQ(Text(*form->LunarCells[17]), Gbk("重阳节"));
  Show(Date(2005, 11, 15));
  ASSERT_EQ(CellShowing(15), 17);  // a plain Tuesday
  EXPECT_EQ(Text(*form->LunarCells[17]), Gbk("十四"));
  EXPECT_EQ(form->LunarCells[17]->Font().Color(), kLunarGreen);
}

TEST_F(MonthFill, DayNumbersAreElevenPoints) {
  Show(Date(2005, 10, 15));
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  ASSERT_EQ(dpi, 96);
  EXPECT_EQ(form->DayCells[7]->Font().Height(), 15);
  EXPECT_EQ(form->DayCells[1]->Font().Height(), 15) << "hidden cells too";
}

TEST_F(MonthFill, InformationLabelsDescribeTheShownDate) {
  Show(Date(2009, 2, 4));
  const std::string prefix = Gbk("选定日期为：");
  EXPECT_EQ(Text(*form->lbl1).substr(0, prefix.size()), prefix);
  EXPECT_NE(Text(*form->lbl1).find("2009"), std::string::npos) << Text(*form->lbl1);
  EXPECT_EQ(Text(*form->lbl2), Gbk("己丑年正月初十"));
  EXPECT_EQ(Text(*form->lbl3), Gbk("立春"));
  EXPECT_EQ(Text(*form->Label22), Gbk("水瓶座"));
  EXPECT_EQ(Text(*form->Label21), Gbk("己丑牛"));
  for (ui::TLabel* hidden : {form->lbl1, form->lbl2, form->lbl3, form->Label21, form->Label22})
    EXPECT_FALSE(hidden->Visible()) << hidden->Name();
}

}  // namespace
}  // namespace window_test
