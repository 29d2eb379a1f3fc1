// ShowMonth: applies the month view of a date to the header, the grid, the
// selection marker and the information labels.

#include <windows.h>

#include <algorithm>

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

void ApplyCell(const TCellView& view, ui::TLabel& day, ui::TLabel& lunar, TColour background, int dayFontHeight) {
  day.SetVisible(view.Visible);
  lunar.SetVisible(view.Visible);
  day.Font().SetHeight(dayFontHeight);
  day.SetColor(background);
  lunar.SetColor(background);
  day.Font().SetColor(view.DayColour);
  lunar.Font().SetColor(view.LunarColour);
  if (!view.Visible) return;
  day.SetCaption(view.DayText);
  lunar.SetCaption(view.LunarText);
  day.SetTag(view.Day);
  lunar.SetTag(view.Day);
}

// Where the layout puts the month number; a wider one moves left so that the
// ">" beside it does not cover its last digit.
constexpr int kMonthNumberLeft = 14;

void KeepLeftOf(ui::TControl& label, const ui::TControl& neighbour) {
  label.SetLeft(std::max(0, std::min(kMonthNumberLeft, neighbour.Left() - label.Width())));
}

}  // namespace

void TFRM_Date::ShowMonth(double date) {
  const TMonthView view = BuildMonthView(date, ShortDateText(date));
  Label20->SetCaption(view.YearText);
  Label1->SetCaption(view.YearText);
  Label17->SetCaption(view.MonthText);
  KeepLeftOf(*Label17, *SpeedButton1);
  Label16->SetCaption(view.MonthText);
  Label21->SetCaption(view.Info.YearNames);
  ShowInformation(view.Info);

  const int dayFontHeight = PointsToPixels(kDayCellFontPoints);
  for (int cell = 1; cell <= kCellCount; ++cell)
    ApplyCell(view.Cells[cell - 1], *DayCells[cell], *LunarCells[cell], Color(), dayFontHeight);

  if (view.SelectedCell != 0) {
    Shape2->SetLeft(view.Marker.Left);
    Shape2->SetTop(view.Marker.Top);
  }
}

}  // namespace DateWin
