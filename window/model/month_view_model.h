#pragma once
// What the calendar window shows for one date, decided without Win32 (ShowMonth).
//
// The window owns 37 pairs of labels (DayCells[i], LunarCells[i], i = 1..37)
// laid out seven to a row, Sunday first, and applies a MonthView to them:
//
//   MonthView view = BuildMonthView(date, ShortDateText(date));
//   Label1 and Label20 (year, year watermark) <- view.year_text
//   Label17 and Label16 (month, month watermark) <- view.month_text
//   Label21, lbl1, lbl2, lbl3, Label22      <- view.info (InformationTexts below)
//   for i in 1..37, with const CellView& cell = view.cells[i - 1]:
//     DayCells[i]:   Visible = cell.visible, Caption = cell.day_text, Tag = cell.day,
//                    Font.Color = cell.day_colour, Font.Size = kDayCellFontPoints
//     LunarCells[i]: Visible = cell.visible, Caption = cell.lunar_text, Tag = cell.day,
//                    Font.Color = cell.lunar_colour
//     (both labels' background colour: the window's colour; they are transparent)
//   Shape2 (the selection marker) <- view.marker, its left and top
//
// Texts are GBK bytes, as the calendar engine gives them; colours are 0x00BBGGRR.
// A mouse-down on a cell changes only the information texts: the window then
// applies InformationFor(ClampedDate(...), ...) without Label21 and moves the
// marker to MarkerForCell(cell).

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

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

struct Point {
  int left;
  int top;
  bool operator==(const Point&) const = default;
};

// Top-left corners of cell `cell` (1..37) within the window, as CreateDayCells
// lays them out: 42 pixels apart in a row, 32 between rows.
Point DayCellPosition(int cell);
Point LunarCellPosition(int cell);
// Where the selection marker stands for the day of cell `cell`: it frames the
// day number and the lunar text under it.
Point MarkerForCell(int cell);

// What the lunar cell shows, by rising priority; the later kind wins.
enum class LunarTextKind { kDayName, kMonthName, kGregorianFestival, kSolarTerm, kLunarFestival };

struct CellView {
  bool visible = false;  // hidden cells keep the texts below empty
  int day = 0;           // day of month, the cells' Tag; 0 when hidden
  std::string day_text;  // "1" ... "31"
  TColour day_colour = kWeekdayDayColour;
  std::string lunar_text;  // GBK
  TColour lunar_colour = kLunarWeekdayColour;
  LunarTextKind lunar_kind = LunarTextKind::kDayName;
};

// The five information texts of a date D, all GBK (the labels stay hidden).
struct InformationTexts {
  std::string selected_date;  // lbl1: "选定日期为：" + D in the locale's short date format
  std::string lunar_date;     // lbl2: stem, branch, "年", lunar month name, lunar day name
  std::string special_days;   // lbl3: solar term + lunar festival + Gregorian festival
  std::string star_sign;      // Label22: the star sign of D
  std::string year_names;     // Label21: stem, branch, animal; set when a month is shown only
};

// `short_date_text` is D in the user locale's short date format, GBK; the
// window formats it with the platform, which this model does not use.
InformationTexts InformationFor(double date, std::string_view short_date_text);

struct MonthView {
  std::string year_text;                   // "2024"
  std::string month_text;                  // "2", no leading zero
  std::array<CellView, kCellCount> cells;  // cells[i - 1] is cell i
  int selected_cell = 0;                   // the cell of the date's own day, 1..37
  Point marker{};                          // MarkerForCell(selected_cell)
  InformationTexts info;
};

// The month of `date`, with `date`'s own day selected. Dates of 1901-2050 get
// the engine's texts; others whatever the engine yields for them.
MonthView BuildMonthView(double date, std::string_view short_date_text);

// The cell (1..37) that shows day `day` of the month beginning on weekday
// `first_weekday` (1 = Sunday ... 7 = Saturday).
int CellOfDay(int first_weekday, int day);

}  // namespace DateWin
