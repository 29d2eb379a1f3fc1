#pragma once
// A day the State Council's holiday notices name: a day off (休) or a make-up
// workday (班) of a public holiday.

#include <string>
#include <string_view>

#include "calendar/date_value.h"

namespace DateCn {

enum class THolidayKind { None, DayOff, WorkDay };

// The kind's mark in GBK: "休" for a day off, "班" for a make-up workday,
// empty for None. No GBK trail byte is a blank, a digit or '#', so lines split
// at those safely around a mark.
constexpr std::string_view MarkCharacter(THolidayKind kind) {
  switch (kind) {
    case THolidayKind::DayOff:
      return "\xD0\xDD";  // 休
    case THolidayKind::WorkDay:
      return "\xB0\xE0";  // 班
    case THolidayKind::None:
      break;
  }
  return {};
}

struct THolidayMark {
  THolidayKind Kind = THolidayKind::None;
  std::string Name;  // GBK, "春节"; empty with THolidayKind::None
  bool operator==(const THolidayMark&) const = default;
};

struct THoliday {
  TCivilDate Date;
  THolidayMark Mark;
};

}  // namespace DateCn
