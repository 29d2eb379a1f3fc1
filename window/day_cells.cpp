// CreateDayCells: the 37 pairs of labels of the month grid, shaped after the
// templates day1 (day numbers) and Cnday (lunar texts). A row holds seven
// cells 42 pixels apart; rows are 32 pixels apart.

#include "window/frm_date.h"

namespace DateWin {
namespace {

constexpr int kColumnStep = 42;
constexpr int kRowStep = 32;

ui::TLabel* CreateCell(ui::TComponent* owner, ui::TWinControl* parent, const ui::TLabel& shape,
                       const ui::TLabel* previous, int cell) {
  auto* label = new ui::TLabel(owner);
  label->SetParent(parent);
  label->SetAutoSize(false);
  label->SetWidth(shape.Width());
  label->SetHeight(shape.Height());
  label->SetAlignment(shape.Alignment());
  label->SetLayout(shape.Layout());
  if (cell == 1) {
    label->SetLeft(shape.Left()), label->SetTop(shape.Top());
  } else if ((cell - 1) % kColumns == 0) {
    label->SetLeft(shape.Left()), label->SetTop(previous->Top() + kRowStep);
  } else {
    label->SetLeft(previous->Left() + kColumnStep), label->SetTop(previous->Top());
  }
  label->Font().Assign(shape.Font());
  label->SetAutoSize(false);
  label->SetTransparent(true);
  return label;
}

}  // namespace

void TFRM_Date::CreateDayCells() {
  for (int cell = 1; cell <= kCellCount; ++cell) {
    ui::TLabel* day = CreateCell(this, Panel1, *day1, DayCells[cell - 1], cell);
    ui::TLabel* lunar = CreateCell(this, Panel1, *Cnday, LunarCells[cell - 1], cell);
    day->OnClick = [this](ui::TComponent* s) { CnDayClick(s); };
    day->OnMouseDown = [this](ui::TComponent* s, ui::TMouseButton b, ui::TShiftState sh, int x, int y) {
      CnDayMouseDown(s, b, sh, x, y);
    };
    lunar->OnClick = [this](ui::TComponent* s) { CHnDayClick(s); };
    lunar->OnMouseDown = [this](ui::TComponent* s, ui::TMouseButton b, ui::TShiftState sh, int x, int y) {
      ChnDateMouseDown(s, b, sh, x, y);
    };
    day->Font().SetColor(ui::clBlack);
    DayCells[cell] = day;
    LunarCells[cell] = lunar;
  }
}

}  // namespace DateWin
