#pragma once
// What the command line of rilvanta-cal asks for. Every malformed request becomes
// a TUsageError whose message is the one line the tool prints on stderr.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "calendar/date_value.h"

namespace rilvanta_cal {

struct THelpRequest {};
struct TVersionRequest {};
// A holidays.txt whose later years join the official days off and workdays
// (--holidays FILE), for the commands that show them.
using THolidayFile = std::optional<std::string>;

struct TDayRequest {
  DateCn::TCivilDate Date;
  THolidayFile Holidays;
};
struct TDumpRequest {
  DateCn::TCivilDate From;
  DateCn::TCivilDate To;  // not before `From`
};
struct TMonthRequest {
  int Year;
  int Month;
  bool Colour;  // false with --no-color; colour needs a terminal too
  THolidayFile Holidays;
};
struct THolidaysRequest {
  int Year;
  THolidayFile Holidays;
};
struct TUsageError {
  std::string Message;
};

using TRequest = std::variant<THelpRequest, TVersionRequest, TDayRequest, TDumpRequest, TMonthRequest, THolidaysRequest,
                              TUsageError>;

// `arguments` excludes the program name. Dates must lie in 1901-2050.
TRequest ParseCommandLine(std::span<const std::string_view> arguments);

std::string_view HelpText();

// "rilvanta-cal VERSION" and a line end.
std::string_view VersionText();

}  // namespace rilvanta_cal
