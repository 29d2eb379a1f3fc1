#include "calendar/holidays/holiday_text.h"

#include <algorithm>
#include <optional>
#include <variant>

#include "calendar/iso_date.h"
#include "text/gbk.h"

namespace DateCn {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kBlanks = " \t\r";
constexpr std::string_view kForm = "not of the form 'YYYY-MM-DD 休|班 NAME'";

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// Cuts the first field off `rest`, up to a blank.
std::string_view TakeField(std::string_view& rest) {
  const std::size_t end = std::min(rest.find_first_of(kBlanks), rest.size());
  const std::string_view field = rest.substr(0, end);
  rest = Trimmed(rest.substr(end));
  return field;
}

std::optional<THolidayKind> KindOf(std::string_view mark) {
  for (const THolidayKind kind : {THolidayKind::DayOff, THolidayKind::WorkDay}) {
    if (mark == MarkCharacter(kind)) return kind;
  }
  return std::nullopt;
}

// The day of one line without its comment, or why it gives none.
std::variant<THoliday, std::string> ParseLine(std::string_view content) {
  std::string_view rest = content;
  const std::string_view dateField = TakeField(rest);
  const std::optional<TCivilDate> date = ParseIsoDate(dateField);
  const std::optional<THolidayKind> kind = KindOf(TakeField(rest));
  if (!date || !kind) return std::string(kForm);
  if (!IsValidDate(date->Year, date->Month, date->Day)) return std::string(dateField) + " is no day of the calendar";
  if (rest.empty()) return std::string("the holiday's name is missing");
  return THoliday{*date, {*kind, std::string(rest)}};
}

}  // namespace

THolidayText ParseHolidayText(std::string_view utf8) {
  if (utf8.starts_with(kByteOrderMark)) utf8.remove_prefix(kByteOrderMark.size());
  const std::string gbk = text::Utf8ToGbk(utf8);
  THolidayText result;
  std::string_view rest = gbk;
  for (int line = 1; !rest.empty(); ++line) {
    const std::size_t end = std::min(rest.find('\n'), rest.size());
    const std::string_view whole = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    const std::string_view content = Trimmed(whole.substr(0, whole.find('#')));
    if (content.empty()) continue;
    auto parsed = ParseLine(content);
    if (auto* day = std::get_if<THoliday>(&parsed)) {
      result.Days.push_back({line, std::move(*day)});
    } else {
      result.Problems.push_back({line, std::move(std::get<std::string>(parsed))});
    }
  }
  return result;
}

}  // namespace DateCn
