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
class CellWriter {
 public:
  CellWriter(std::string& out, bool colour) : out_(out), colour_(colour) {}

  void Write(std::string_view text, TColour text_colour = DateWin::kWeekdayDayColour, bool reversed = false) {
    const int padding = kCellWidth - DisplayWidth(text);
    out_.append(padding / 2, ' ');
    std::string style(colour_ && !text.empty() ? AnsiStyle(text_colour) : "");
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

std::string MonthGrid(int year, int month, const std::optional<DateCn::CivilDate>& today, bool colour) {
  const bool today_in_month = today && today->year == year && today->month == month;
  const double shown = DateCn::EncodeDate(year, month, today_in_month ? today->day : 1);
  const DateWin::MonthView view = DateWin::BuildMonthView(shown, "");

  std::string out = std::to_string(year) + "年" + std::to_string(month) + "月\n";
  CellWriter cells(out, colour);
  static constexpr std::string_view kWeekdays[] = {"日", "一", "二", "三", "四", "五", "六"};
  for (int column = 0; column < DateWin::kColumns; ++column) {
    const bool weekend = column == 0 || column == DateWin::kColumns - 1;
    cells.Write(kWeekdays[column], weekend ? DateWin::kWeekendColour : DateWin::kWeekdayDayColour);
  }
  EndLine(out);

  for (int row_start = 0; row_start < DateWin::kCellCount; row_start += DateWin::kColumns) {
    const int row_end = std::min(row_start + DateWin::kColumns, DateWin::kCellCount);
    bool row_shown = false;
    for (int index = row_start; index < row_end; ++index) row_shown |= view.cells[index].visible;
    if (!row_shown) continue;
    for (int index = row_start; index < row_end; ++index) {
      const DateWin::CellView& cell = view.cells[index];
      const bool is_today = today_in_month && cell.visible && cell.day == today->day;
      const std::string number = is_today && !colour ? "[" + cell.day_text + "]" : cell.day_text;
      cells.Write(number, cell.day_colour, is_today);
    }
    EndLine(out);
    for (int index = row_start; index < row_end; ++index) {
      const DateWin::CellView& cell = view.cells[index];
      cells.Write(text::GbkToUtf8(cell.lunar_text), cell.lunar_colour);
    }
    EndLine(out);
  }
  return out;
}

}  // namespace rilvanta_cal
