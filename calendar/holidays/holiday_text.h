#pragma once
// Reads holiday lines, the form of the built-in table and of a user's
// holidays.txt: one day a line, "YYYY-MM-DD 休|班 NAME" (spaces or tabs between,
// the name running to the line's end), "#" starts a comment, blank lines are
// skipped. The text is UTF-8, with or without a byte-order mark; the names
// come out in GBK.

#include <string>
#include <string_view>
#include <vector>

#include "calendar/holidays/holiday.h"

namespace DateCn {

// A line that gives no day, with its number (the first line is 1) and why, in
// English, for the tool to report.
struct THolidayLineProblem {
  int Line;
  std::string Reason;
  bool operator==(const THolidayLineProblem&) const = default;
};

struct THolidayLine {
  int Line;
  THoliday Day;
};

struct THolidayText {
  std::vector<THolidayLine> Days;  // in the order of their lines
  std::vector<THolidayLineProblem> Problems;
};

// A line that cannot be read, or names no day of the calendar, is skipped and
// listed; reading goes on with the next line.
THolidayText ParseHolidayText(std::string_view utf8);

}  // namespace DateCn
