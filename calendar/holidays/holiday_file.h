#pragma once
// A user's holidays.txt on disk, added to a holiday calendar.

#include <cstdint>
#include <filesystem>
#include <vector>

#include "calendar/holidays/holiday_calendar.h"

namespace DateCn {

// A year takes some forty lines; a larger file is no holiday list.
constexpr std::uintmax_t kMaxHolidayFileBytes = 1 << 20;

enum class THolidayFileStatus { Read, Unreadable, TooLarge };

struct THolidayFileReading {
  THolidayFileStatus Status = THolidayFileStatus::Unreadable;
  std::vector<THolidayLineProblem> Problems;  // the skipped lines of a file read
};

// Adds the file's days (see THolidayCalendar::AddUserText); a file that cannot
// be read, or is too large, adds nothing.
THolidayFileReading AddHolidayFile(THolidayCalendar& calendar, const std::filesystem::path& file);

}  // namespace DateCn
