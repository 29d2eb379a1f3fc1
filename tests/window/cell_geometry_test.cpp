// The 37 cell pairs CreateDayCells builds: seven to a row 42 pixels apart,
// rows 32 apart, each shaped after its template.

#include "window_test_support.h"

namespace window_test {
namespace {

// Opened once: these tests only look at the window.
class CellGeometry : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { form = OpenWindow(Date(2026, 5, 15)); }
  static void TearDownTestSuite() { CloseWindow(form); }
  static inline DateWin::TFRM_Date* form = nullptr;
};

TEST_F(CellGeometry, CellsStandAtTheirRowAndColumn) {
  struct TCorner {
    int Cell, DayLeft, DayTop, LunarLeft, LunarTop;
  };
  for (const TCorner& corner : {TCorner{1, 14, 56, 13, 73}, TCorner{2, 56, 56, 55, 73}, TCorner{7, 266, 56, 265, 73},
                                TCorner{8, 14, 88, 13, 105}, TCorner{30, 56, 184, 55, 201},
                                TCorner{36, 14, 216, 13, 233}, TCorner{37, 56, 216, 55, 233}}) {
    SCOPED_TRACE(corner.Cell);
    EXPECT_EQ(form->DayCells[corner.Cell]->Left(), corner.DayLeft);
    EXPECT_EQ(form->DayCells[corner.Cell]->Top(), corner.DayTop);
    EXPECT_EQ(form->LunarCells[corner.Cell]->Left(), corner.LunarLeft);
    EXPECT_EQ(form->LunarCells[corner.Cell]->Top(), corner.LunarTop);
  }
}

TEST_F(CellGeometry, EveryCellTakesItsTemplatesShape) {
  for (int cell = 1; cell <= DateWin::kCellCount; ++cell) {
    SCOPED_TRACE(cell);
    ui::TLabel& day = *form->DayCells[cell];
    ui::TLabel& lunar = *form->LunarCells[cell];
    EXPECT_EQ(day.Width(), 36);
    EXPECT_EQ(day.Height(), 16);
    EXPECT_EQ(lunar.Width(), 36);
    EXPECT_EQ(lunar.Height(), 12);
    for (ui::TLabel* label : {&day, &lunar}) {
      EXPECT_EQ(label->Parent(), form->Panel1);
      EXPECT_EQ(label->Owner(), form);
      EXPECT_FALSE(label->AutoSize());
      EXPECT_TRUE(label->Transparent());
      EXPECT_EQ(label->Alignment(), ui::TAlignment::taCenter);
      EXPECT_EQ(label->Layout(), ui::TTextLayout::tlCenter);
    }
    EXPECT_EQ(day.Font().Name(), "Arial Black");
    EXPECT_EQ(lunar.Font().Name(), Gbk("宋体"));
    EXPECT_EQ(lunar.Font().Height(), 12);
  }
}

}  // namespace
}  // namespace window_test
