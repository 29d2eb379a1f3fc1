#pragma once
// What the command line of rilvanta-cal asks for. Every malformed request becomes
// a UsageError whose message is the one line the tool prints on stderr.

#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "calendar/date_value.h"

namespace rilvanta_cal {

struct HelpRequest {};
struct VersionRequest {};
struct DayRequest {
  DateCn::CivilDate date;
};
struct DumpRequest {
  DateCn::CivilDate from;
  DateCn::CivilDate to;  // not before `from`
};
struct MonthRequest {
  int year;
  int month;
  bool colour;  // false with --no-color; colour needs a terminal too
};
struct UsageError {
  std::string message;
};

using Request = std::variant<HelpRequest, VersionRequest, DayRequest, DumpRequest, MonthRequest, UsageError>;

// `arguments` excludes the program name. Dates must lie in 1901-2050.
Request ParseCommandLine(std::span<const std::string_view> arguments);

std::string_view HelpText();

// "rilvanta-cal VERSION" and a line end.
std::string_view VersionText();

}  // namespace rilvanta_cal
