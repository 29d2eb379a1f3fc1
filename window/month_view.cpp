// ShowMonth: applies the month view of a date to the header, the grid, the
// selection marker and the information labels.

#include <windows.h>

#include <algorithm>

#include "calendar/date_value.h"
#include "window/frm_date.h"
#include "window/locale_texts.h"
#include "window/model/day_details.h"
#include "window/model/month_dates.h"

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

// Colours of their own, apart from the weekend's red and the festivals'
// orange, each over 4.5:1 against the white background.
constexpr TColour kDayOffColour = RgbColour(0xC2, 0x18, 0x5B);   // 休, 5.9:1
constexpr TColour kWorkDayColour = RgbColour(0x45, 0x5A, 0x64);  // 班, 7.2:1

void ApplyHolidayMark(const TCellView& view, ui::TLabel& mark) {
  const bool marked = view.Visible && view.Holiday.Kind != DateCn::THolidayKind::None;
  mark.SetVisible(marked);
  if (!marked) return;
  mark.SetCaption(std::string(DateCn::MarkCharacter(view.Holiday.Kind)));
  mark.Font().SetColor(view.Holiday.Kind == DateCn::THolidayKind::DayOff ? kDayOffColour : kWorkDayColour);
}

// The day number, its lunar text and its mark.
RECT CellArea(const ui::TControl& day, const ui::TControl& lunar, const ui::TControl& mark) {
  return {day.Left(), day.Top(), mark.Left() + mark.Width(), lunar.Top() + lunar.Height()};
}

}  // namespace

void TFRM_Date::ShowMonth(double date) {
  const TMonthView view = BuildMonthView(date, ShortDateText(date), {today_(), &Holidays});
  Label20->SetCaption(view.YearText);
  Label1->SetCaption(view.YearText);
  Label17->SetCaption(view.MonthText);
  KeepLeftOf(*Label17, *SpeedButton1);
  Label16->SetCaption(view.MonthText);
  Label21->SetCaption(view.Info.YearNames);
  ShowInformation(view.Info);

  const int dayFontHeight = PointsToPixels(kDayCellFontPoints);
  const DateCn::TCivilDate shown = DateCn::DecodeDate(date);
  for (int cell = 1; cell <= kCellCount; ++cell) {
    const TCellView& cellView = view.Cells[cell - 1];
    ApplyCell(cellView, *DayCells[cell], *LunarCells[cell], Color(), dayFontHeight);
    ApplyHolidayMark(cellView, *HolidayMarks[cell]);
    if (dayTips_) {
      const std::string details =
          cellView.Visible ? DayDetails(ClampedDate(shown.Year, shown.Month, cellView.Day), Holidays) : "";
      dayTips_->SetCell(cell, CellArea(*DayCells[cell], *LunarCells[cell], *HolidayMarks[cell]), details);
    }
  }
  ShapeToday->SetVisible(view.TodayCell != 0);
  if (view.TodayCell != 0) {
    const TPoint mark = MarkerForCell(view.TodayCell);
    ShapeToday->SetLeft(mark.Left);
    ShapeToday->SetTop(mark.Top);
  }

  if (view.SelectedCell != 0) {
    Shape2->SetLeft(view.Marker.Left);
    Shape2->SetTop(view.Marker.Top);
  }
}

}  // namespace DateWin
