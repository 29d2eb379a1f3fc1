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
  struct Corner {
    int cell, dayLeft, dayTop, lunarLeft, lunarTop;
  };
  for (const Corner& corner :
       {Corner{1, 14, 56, 13, 73}, Corner{2, 56, 56, 55, 73}, Corner{7, 266, 56, 265, 73}, Corner{8, 14, 88, 13, 105},
        Corner{30, 56, 184, 55, 201}, Corner{36, 14, 216, 13, 233}, Corner{37, 56, 216, 55, 233}}) {
    SCOPED_TRACE(corner.cell);
    EXPECT_EQ(form->DayCells[corner.cell]->Left(), corner.dayLeft);
    EXPECT_EQ(form->DayCells[corner.cell]->Top(), corner.dayTop);
    EXPECT_EQ(form->LunarCells[corner.cell]->Left(), corner.lunarLeft);
    EXPECT_EQ(form->LunarCells[corner.cell]->Top(), corner.lunarTop);
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
