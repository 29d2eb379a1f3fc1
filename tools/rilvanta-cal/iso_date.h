#pragma once
// Dates as the tool reads and writes them: YYYY-MM-DD.

#include <optional>
#include <string>
#include <string_view>

#include "calendar/date_value.h"

namespace rilvanta_cal {

// Four-digit year, two-digit month and day, dashes between; nothing else.
// The fields are not checked against the calendar (see DateCn::IsValidDate).
std::optional<DateCn::TCivilDate> ParseIsoDate(std::string_view text);

std::string FormatIsoDate(const DateCn::TCivilDate& date);

// One to four decimal digits and nothing else.
std::optional<int> ParseDigits(std::string_view text);

}  // namespace rilvanta_cal
