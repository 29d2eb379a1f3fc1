// ShowMonth: applies the month view of a date to the header, the grid, the
// selection marker and the information labels.

#include <windows.h>

#include "window/frm_date.h"
#include "window/locale_texts.h"

namespace DateWin {
namespace {

// Font points to the pixel height of the screen, as the font dialogs count them.
int PointsToPixels(int points) {
  HDC screen = GetDC(nullptr);
  const int pixels = MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  return pixels;
}

void ApplyCell(const CellView& view, ui::TLabel& day, ui::TLabel& lunar, TColour background, int dayFontHeight) {
  day.SetVisible(view.visible);
  lunar.SetVisible(view.visible);
  day.Font().SetHeight(dayFontHeight);
  day.SetColor(background);
  lunar.SetColor(background);
  day.Font().SetColor(view.day_colour);
  lunar.Font().SetColor(view.lunar_colour);
  if (!view.visible) return;
  day.SetCaption(view.day_text);
  lunar.SetCaption(view.lunar_text);
  day.SetTag(view.day);
  lunar.SetTag(view.day);
}

}  // namespace

void TFRM_Date::ShowMonth(double date) {
  const MonthView view = BuildMonthView(date, ShortDateText(date));
  Label20->SetCaption(view.year_text);
  Label1->SetCaption(view.year_text);
  Label17->SetCaption(view.month_text);
  Label16->SetCaption(view.month_text);
  Label21->SetCaption(view.info.year_names);
  ShowInformation(view.info);

  const int dayFontHeight = PointsToPixels(kDayCellFontPoints);
  for (int cell = 1; cell <= kCellCount; ++cell)
    ApplyCell(view.cells[cell - 1], *DayCells[cell], *LunarCells[cell], Color(), dayFontHeight);

  if (view.selected_cell != 0) {
    Shape2->SetLeft(view.marker.left);
    Shape2->SetTop(view.marker.top);
  }
}

}  // namespace DateWin
