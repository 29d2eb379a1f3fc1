#pragma once
// What the calendar window shows for one date, decided without Win32 (ShowMonth).
//
// The window owns 37 pairs of labels (DayCells[i], LunarCells[i], i = 1..37)
// laid out seven to a row, Sunday first, and applies a TMonthView to them:
//
//   TMonthView view = BuildMonthView(date, ShortDateText(date));
//   Label1 and Label20 (year, year watermark) <- view.YearText
//   Label17 and Label16 (month, month watermark) <- view.MonthText
//   Label21, lbl1, lbl2, lbl3, Label22      <- view.Info (TInformationTexts below)
//   for i in 1..37, with const TCellView& cell = view.Cells[i - 1]:
//     DayCells[i]:   Visible = cell.Visible, Caption = cell.DayText, Tag = cell.Day,
//                    Font.Color = cell.DayColour, Font.Size = kDayCellFontPoints
//     LunarCells[i]: Visible = cell.Visible, Caption = cell.LunarText, Tag = cell.Day,
//                    Font.Color = cell.LunarColour
//     (both labels' background colour: the window's colour; they are transparent)
//   Shape2 (the selection marker) <- view.Marker, its Left and Top
//   today's mark, apart from the marker <- view.TodayCell (0: today is in another month)
//   each cell's 休 or 班 corner mark <- cell.Holiday
//
// Texts are GBK bytes, as the calendar engine gives them; colours are 0x00BBGGRR.
// A mouse-down on a cell changes only the information texts: the window then
// applies InformationFor(ClampedDate(...), ...) without Label21 and moves the
// marker to MarkerForCell(cell).

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/holidays/holiday_calendar.h"
#include "colour/colour.h"

namespace DateWin {

constexpr TColour kWeekdayDayColour = 0;        // #000000 day numbers Monday-Friday
constexpr TColour kWeekendColour = 255;         // #FF0000 both texts on Sunday and Saturday
constexpr TColour kLunarMonthColour = 255;      // #FF0000 the lunar month name on its first day
constexpr TColour kLunarWeekdayColour = 16384;  // #004000 lunar day names Monday-Friday
constexpr TColour kFestivalColour = 33023;      // #FF8000 Gregorian and lunar festivals
constexpr TColour kSolarTermColour = 16733011;  // #5353FF solar terms
constexpr int kDayCellFontPoints = 11;

constexpr int kCellCount = 37;
constexpr int kColumns = 7;  // column 0 is Sunday

struct TPoint {
  int Left;
  int Top;
  bool operator==(const TPoint&) const = default;
};

// Top-left corners of cell `cell` (1..37) within the window, as CreateDayCells
// lays them out: 42 pixels apart in a row, 32 between rows.
TPoint DayCellPosition(int cell);
TPoint LunarCellPosition(int cell);
// Where the selection marker stands for the day of cell `cell`: it frames the
// day number and the lunar text under it.
TPoint MarkerForCell(int cell);

// What the lunar cell shows, by rising priority; the later kind wins.
enum class TLunarTextKind { DayName, MonthName, GregorianFestival, SolarTerm, LunarFestival };

struct TCellView {
  bool Visible = false;  // hidden cells keep the texts below empty
  int Day = 0;           // day of month, the cells' Tag; 0 when hidden
  std::string DayText;   // "1" ... "31"
  TColour DayColour = kWeekdayDayColour;
  std::string LunarText;  // GBK
  TColour LunarColour = kLunarWeekdayColour;
  TLunarTextKind LunarKind = TLunarTextKind::DayName;
  DateCn::THolidayMark Holiday;  // the day off (休) or make-up workday (班) it is, if any
};

// The five information texts of a date D, all GBK (the labels stay hidden).
struct TInformationTexts {
  std::string SelectedDate;  // lbl1: "选定日期为：" + D in the locale's short date format
  std::string LunarDate;     // lbl2: stem, branch, "年", lunar month name, lunar day name
  std::string SpecialDays;   // lbl3: solar term + lunar festival + Gregorian festival
  std::string StarSign;      // Label22: the star sign of D
  std::string YearNames;     // Label21: stem, branch, animal; set when a month is shown only
};

// `shortDateText` is D in the user locale's short date format, GBK; the
// window formats it with the platform, which this model does not use.
TInformationTexts InformationFor(double date, std::string_view shortDateText);

struct TMonthView {
  std::string YearText;                     // "2024"
  std::string MonthText;                    // "2", no leading zero
  std::array<TCellView, kCellCount> Cells;  // Cells[i - 1] is cell i
  int SelectedCell = 0;                     // the cell of the date's own day, 1..37
  TPoint Marker{};                          // MarkerForCell(SelectedCell)
  int TodayCell = 0;                        // the cell of today, 0 when the month is another
  TInformationTexts Info;
};

// What a month view marks beside the selection.
struct TMonthMarks {
  std::optional<double> Today;                         // no today's mark without it
  const DateCn::THolidayCalendar* Holidays = nullptr;  // no 休 and 班 without it
};

// The month of `date`, with `date`'s own day selected. Dates of 1901-2050 get
// the engine's texts; others whatever the engine yields for them.
TMonthView BuildMonthView(double date, std::string_view shortDateText, const TMonthMarks& marks = {});

// The cell (1..37) that shows day `day` of the month beginning on weekday
// `firstWeekday` (1 = Sunday ... 7 = Saturday).
int CellOfDay(int firstWeekday, int day);

}  // namespace DateWin
