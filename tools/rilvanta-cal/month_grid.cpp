#include "tools/rilvanta-cal/month_grid.h"

#include <algorithm>
#include <string_view>

#include "text/gbk.h"
#include "window/model/month_view_model.h"

namespace rilvanta_cal {
namespace {

constexpr int kCellWidth = 8;
constexpr std::string_view kReset = "\x1b[0m";

// Columns a UTF-8 text takes in a terminal: one per ASCII character, two per
// other (Chinese) character.
int DisplayWidth(std::string_view utf8) {
  int width = 0;
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      ++width;
    } else if (byte >= 0xC0) {
      width += 2;  // a lead byte; continuation bytes add nothing
    }
  }
  return width;
}

// ANSI style of a window colour; black day numbers keep the terminal's own
// foreground, which may be light on a dark background.
std::string_view AnsiStyle(TColour colour) {
  switch (colour) {
    case DateWin::kWeekendColour:
      return "31";
    case DateWin::kLunarWeekdayColour:
      return "32";
    case DateWin::kFestivalColour:
      return "38;5;208";
    case DateWin::kSolarTermColour:
      return "94";
    default:
      return "";
  }
}

// A cell: `text` centred in kCellWidth columns, styled when `colour` is on.
class TCellWriter {
 public:
  TCellWriter(std::string& out, bool colour) : out_(out), colour_(colour) {}

  void Write(std::string_view text, TColour textColour = DateWin::kWeekdayDayColour, bool reversed = false) {
    const int padding = kCellWidth - DisplayWidth(text);
    out_.append(padding / 2, ' ');
    std::string style(colour_ && !text.empty() ? AnsiStyle(textColour) : "");
    if (colour_ && reversed) style += style.empty() ? "7" : ";7";  // today
    if (!style.empty()) out_.append("\x1b[").append(style).append("m");
    out_.append(text);
    if (!style.empty()) out_.append(kReset);
    out_.append(padding - padding / 2, ' ');
  }

 private:
  std::string& out_;
  bool colour_;
};

void EndLine(std::string& out) {
  while (!out.empty() && out.back() == ' ') out.pop_back();
  out += '\n';
}

}  // namespace

std::string MonthGrid(int year, int month, const std::optional<DateCn::TCivilDate>& today, bool colour,
                      const DateCn::THolidayCalendar& holidays) {
  DateWin::TMonthMarks marks{std::nullopt, &holidays};
  if (today) marks.Today = DateCn::EncodeDate(today->Year, today->Month, today->Day);
  const DateWin::TMonthView view = DateWin::BuildMonthView(DateCn::EncodeDate(year, month, 1), "", marks);

  std::string out = std::to_string(year) + "年" + std::to_string(month) + "月\n";
  TCellWriter cells(out, colour);
  static constexpr std::string_view kWeekdays[] = {"日", "一", "二", "三", "四", "五", "六"};
  for (int column = 0; column < DateWin::kColumns; ++column) {
    const bool weekend = column == 0 || column == DateWin::kColumns - 1;
    cells.Write(kWeekdays[column], weekend ? DateWin::kWeekendColour : DateWin::kWeekdayDayColour);
  }
  EndLine(out);

  for (int rowStart = 0; rowStart < DateWin::kCellCount; rowStart += DateWin::kColumns) {
    const int rowEnd = std::min(rowStart + DateWin::kColumns, DateWin::kCellCount);
    bool rowShown = false;
    for (int index = rowStart; index < rowEnd; ++index) rowShown |= view.Cells[index].Visible;
    if (!rowShown) continue;
    for (int index = rowStart; index < rowEnd; ++index) {
      const DateWin::TCellView& cell = view.Cells[index];
      const bool isToday = index + 1 == view.TodayCell;
      const std::string number = isToday && !colour ? "[" + cell.DayText + "]" : cell.DayText;
      cells.Write(number + text::GbkToUtf8(DateCn::MarkCharacter(cell.Holiday.Kind)), cell.DayColour, isToday);
    }
    EndLine(out);
    for (int index = rowStart; index < rowEnd; ++index) {
      const DateWin::TCellView& cell = view.Cells[index];
      cells.Write(text::GbkToUtf8(cell.LunarText), cell.LunarColour);
    }
    EndLine(out);
  }
  return out;
}

}  // namespace rilvanta_cal
