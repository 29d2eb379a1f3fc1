#include "window/model/day_details.h"

#include <string_view>
#include <vector>

#include "calendar/date_cn.h"

namespace DateWin {
namespace {

// GBK bytes, characters shown beside.
constexpr std::string_view kYear = "\xC4\xEA";                            // 年
constexpr std::string_view kAnimalLabel = "\xC9\xFA\xD0\xA4\xA3\xBA";     // 生肖：
constexpr std::string_view kSolarTermLabel = "\xBD\xDA\xC6\xF8\xA3\xBA";  // 节气：
constexpr std::string_view kFestivalLabel = "\xBD\xDA\xC8\xD5\xA3\xBA";   // 节日：
constexpr std::string_view kListSeparator = "\xA1\xA2";                   // 、
constexpr std::string_view kLineBreak = "\r\n";
constexpr std::size_t kCharacterBytes = 2;

void AddLine(std::string& details, std::string_view label, const std::string& value) {
  if (value.empty()) return;
  details.append(kLineBreak).append(label).append(value);
}

std::string Festivals(double date) {
  std::vector<std::string> festivals = DateCn::GregorianFestivalFullNames(DateCn::DateDay(date), date);
  if (std::string lunar = DateCn::LunarFestival(date); !lunar.empty()) festivals.insert(festivals.begin(), lunar);
  std::string list;
  for (const std::string& festival : festivals) list.append(list.empty() ? "" : kListSeparator).append(festival);
  return list;
}

}  // namespace

std::string DayDetails(double date, const DateCn::THolidayCalendar& holidays) {
  std::string details = DateCn::YearStemBranch(date);
  details.append(kYear).append(" ").append(DateCn::LunarMonthFullName(date)).append(DateCn::LunarDayName(date));
  AddLine(details, kAnimalLabel, DateCn::YearBranchAnimal(date).substr(kCharacterBytes));
  AddLine(details, kSolarTermLabel, DateCn::SolarTerm(date));
  AddLine(details, kFestivalLabel, Festivals(date));
  if (const DateCn::THolidayMark holiday = holidays.MarkOn(date); holiday.Kind != DateCn::THolidayKind::None) {
    AddLine(details, "", holiday.Name + " " + std::string(DateCn::MarkCharacter(holiday.Kind)));
  }
  return details;
}

}  // namespace DateWin
