// Any bytes as a user's holidays.txt: every day read is a real date with a
// mark and a name, every skipped line is one of the text's, and adding the
// text to the calendar changes no official day.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "calendar/holidays/holiday_calendar.h"
#include "calendar/holidays/holiday_text.h"

namespace {

int LineCount(std::string_view text) {
  int lines = 1;
  for (char c : text) lines += c == '\n';
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace DateCn;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const int lines = LineCount(text);
  const THolidayText parsed = ParseHolidayText(text);
  for (const THolidayLine& day : parsed.Days) {
    const TCivilDate& date = day.Day.Date;
    if (day.Line < 1 || day.Line > lines || !IsValidDate(date.Year, date.Month, date.Day) ||
        day.Day.Mark.Kind == THolidayKind::None || day.Day.Mark.Name.empty())
      std::abort();
  }
  for (const THolidayLineProblem& problem : parsed.Problems)
    if (problem.Line < 1 || problem.Line > lines || problem.Reason.empty()) std::abort();

  static const THolidayCalendar official;
  THolidayCalendar withUser;
  withUser.AddUserText(text);
  for (const THolidayLine& day : parsed.Days) {
    const TCivilDate& date = day.Day.Date;
    const double value = EncodeDate(date.Year, date.Month, date.Day);
    const THolidayMark builtIn = official.MarkOn(value);
    if (builtIn.Kind != THolidayKind::None && !(withUser.MarkOn(value) == builtIn)) std::abort();
  }
  return 0;
}
