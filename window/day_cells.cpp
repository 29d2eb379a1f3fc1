// CreateDayCells: the 37 pairs of labels of the month grid, shaped after the
// templates day1 (day numbers) and Cnday (lunar texts) and placed where the
// month view model says (DayCellPosition, LunarCellPosition), each with the
// label of its 休 or 班 mark.

#include "window/frm_date.h"
#include "window/gbk_literal.h"

namespace DateWin {
namespace {

ui::TLabel* CreateCell(ui::TComponent* owner, ui::TWinControl* parent, const ui::TLabel& shape, TPoint corner) {
  auto* label = new ui::TLabel(owner);
  // Sizing to its text is off before the label takes its parent's font, which
  // would otherwise measure the empty text once for each of the 74 labels.
  label->SetAutoSize(false);
  label->SetParent(parent);
  label->SetWidth(shape.Width());
  label->SetHeight(shape.Height());
  label->SetAlignment(shape.Alignment());
  label->SetLayout(shape.Layout());
  label->SetLeft(corner.Left);
  label->SetTop(corner.Top);
  label->Font().Assign(shape.Font());
  label->SetAutoSize(false);
  label->SetTransparent(true);
  return label;
}

// The 休 or 班 mark stands right of a day number's two digits and above its
// lunar text, reaching into the gap between the columns.
constexpr int kMarkRightOfCell = 29;
constexpr int kMarkSize = 12;

ui::TLabel* CreateHolidayMark(ui::TComponent* owner, ui::TWinControl* parent, TPoint dayCell) {
  auto* mark = new ui::TLabel(owner);
  mark->SetAutoSize(false);
  mark->SetParent(parent);
  mark->SetBounds(dayCell.Left + kMarkRightOfCell, dayCell.Top, kMarkSize, kMarkSize);
  mark->Font().SetName(Gbk("宋体"));
  mark->Font().SetCharset(GB2312_CHARSET);
  mark->Font().SetHeight(kMarkSize);
  mark->SetTransparent(true);
  mark->SetVisible(false);
  return mark;
}

}  // namespace

void TFRM_Date::CreateDayCells() {
  for (int cell = 1; cell <= kCellCount; ++cell) {
    ui::TLabel* day = CreateCell(this, Panel1, *day1, DayCellPosition(cell));
    ui::TLabel* lunar = CreateCell(this, Panel1, *Cnday, LunarCellPosition(cell));
    day->OnClick = [this](ui::TComponent* s) { CnDayClick(s); };
    day->OnMouseDown = [this](ui::TComponent* s, ui::TMouseButton b, ui::TShiftState sh, int x, int y) {
      CnDayMouseDown(s, b, sh, x, y);
    };
    lunar->OnClick = [this](ui::TComponent* s) { CHnDayClick(s); };
    lunar->OnMouseDown = [this](ui::TComponent* s, ui::TMouseButton b, ui::TShiftState sh, int x, int y) {
      ChnDateMouseDown(s, b, sh, x, y);
    };
    day->Font().SetColor(clBlack);
    DayCells[cell] = day;
    LunarCells[cell] = lunar;
    HolidayMarks[cell] = CreateHolidayMark(this, Panel1, DayCellPosition(cell));
    for (ui::TLabel* label : {day, lunar, HolidayMarks[cell]})
      label->OnMouseMove = [this](ui::TComponent* s, ui::TShiftState, int x, int y) {
        const auto& moved = static_cast<const ui::TControl&>(*s);
        if (dayTips_) dayTips_->MouseMovedTo({moved.Left() + x, moved.Top() + y});
      };
  }
}

}  // namespace DateWin
