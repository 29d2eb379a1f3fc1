#pragma once
// Dates as people and files write them: YYYY-MM-DD.

#include <optional>
#include <string>
#include <string_view>

#include "calendar/date_value.h"

namespace DateCn {

// Four-digit year, two-digit month and day, dashes between; nothing else.
// The fields are not checked against the calendar (see IsValidDate).
std::optional<TCivilDate> ParseIsoDate(std::string_view text);

std::string FormatIsoDate(const TCivilDate& date);

// One to four decimal digits and nothing else.
std::optional<int> ParseDigits(std::string_view text);

}  // namespace DateCn
