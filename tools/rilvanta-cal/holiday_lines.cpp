#include "tools/rilvanta-cal/holiday_lines.h"

#include "calendar/iso_date.h"
#include "text/gbk.h"

namespace rilvanta_cal {

std::string HolidayLines(const DateCn::THolidayCalendar& holidays, int year) {
  std::string lines;
  for (const DateCn::THoliday& day : holidays.DaysOfYear(year)) {
    lines.append(DateCn::FormatIsoDate(day.Date)).append(" ");
    lines.append(text::GbkToUtf8(DateCn::MarkCharacter(day.Mark.Kind))).append(" ");
    lines.append(text::GbkToUtf8(day.Mark.Name)).append("\n");
  }
  return lines;
}

std::string SkippedLinesReport(std::string_view file, const std::vector<DateCn::THolidayLineProblem>& problems) {
  std::string report;
  for (const DateCn::THolidayLineProblem& problem : problems) {
    report.append("rilvanta-cal: ").append(file).append(":").append(std::to_string(problem.Line));
    report.append(": ").append(problem.Reason).append("\n");
  }
  return report;
}

}  // namespace rilvanta_cal
