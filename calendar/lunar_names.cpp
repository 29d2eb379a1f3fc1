#include <array>
#include <string_view>

#include "calendar/date_cn.h"

namespace DateCn {
namespace {

// Texts are GBK bytes; each line shows its characters.
constexpr std::array<std::string_view, 12> kMonthNames = {
    "\xD5\xFD",  // 正
    "\xB6\xFE",  // 二
    "\xC8\xFD",  // 三
    "\xCB\xC4",  // 四
    "\xCE\xE5",  // 五
    "\xC1\xF9",  // 六
    "\xC6\xDF",  // 七
    "\xB0\xCB",  // 八
    "\xBE\xC5",  // 九
    "\xCA\xAE",  // 十
    "\xB6\xAC",  // 冬
    "\xC0\xB0",  // 腊
};
constexpr std::string_view kMonthSuffix = "\xD4\xC2";  // 月
constexpr std::string_view kLeapPrefix = "\xC8\xF2";   // 闰

constexpr std::array<std::string_view, 30> kDayNames = {
    "\xB3\xF5\xD2\xBB",  // 初一
    "\xB3\xF5\xB6\xFE",  // 初二
    "\xB3\xF5\xC8\xFD",  // 初三
    "\xB3\xF5\xCB\xC4",  // 初四
    "\xB3\xF5\xCE\xE5",  // 初五
    "\xB3\xF5\xC1\xF9",  // 初六
    "\xB3\xF5\xC6\xDF",  // 初七
    "\xB3\xF5\xB0\xCB",  // 初八
    "\xB3\xF5\xBE\xC5",  // 初九
    "\xB3\xF5\xCA\xAE",  // 初十
    "\xCA\xAE\xD2\xBB",  // 十一
    "\xCA\xAE\xB6\xFE",  // 十二
    "\xCA\xAE\xC8\xFD",  // 十三
    "\xCA\xAE\xCB\xC4",  // 十四
    "\xCA\xAE\xCE\xE5",  // 十五
    "\xCA\xAE\xC1\xF9",  // 十六
    "\xCA\xAE\xC6\xDF",  // 十七
    "\xCA\xAE\xB0\xCB",  // 十八
    "\xCA\xAE\xBE\xC5",  // 十九
    "\xB6\xFE\xCA\xAE",  // 二十
    "\xD8\xA5\xD2\xBB",  // 廿一
    "\xD8\xA5\xB6\xFE",  // 廿二
    "\xD8\xA5\xC8\xFD",  // 廿三
    "\xD8\xA5\xCB\xC4",  // 廿四
    "\xD8\xA5\xCE\xE5",  // 廿五
    "\xD8\xA5\xC1\xF9",  // 廿六
    "\xD8\xA5\xC6\xDF",  // 廿七
    "\xD8\xA5\xB0\xCB",  // 廿八
    "\xD8\xA5\xBE\xC5",  // 廿九
    "\xC8\xFD\xCA\xAE",  // 三十
};

// Festivals on a lunar day of an ordinary month; a leap month has none.
struct TLunarFestivalDay {
  int Day;
  int Month;
  std::string_view Name;
};
constexpr TLunarFestivalDay kFestivals[] = {
    {1, 1, "\xB4\xBA\xBD\xDA"},           // 春节
    {5, 5, "\xB6\xCB\xCE\xE7\xBD\xDA"},   // 端午节
    {7, 7, "\xC6\xDF\xCF\xA6\xBD\xDA"},   // 七夕节
    {8, 12, "\xC0\xB0\xB0\xCB\xBD\xDA"},  // 腊八节
    {9, 9, "\xD6\xD8\xD1\xF4\xBD\xDA"},   // 重阳节
    {15, 8, "\xD6\xD0\xC7\xEF\xBD\xDA"},  // 中秋节
    {15, 1, "\xD4\xAA\xCF\xFC\xBD\xDA"},  // 元宵节
};
constexpr std::string_view kNewYearsEve = "\xB3\xFD\xCF\xA6";  // 除夕

bool IsFestivalDayNumber(int day) {
  for (const TLunarFestivalDay& festival : kFestivals) {
    if (festival.Day == day) return true;
  }
  return false;
}

}  // namespace

// Outside the table (code 0) both names are empty.
std::string LunarMonthName(double date) {
  const int month = LunarMonthOf(LunarDate(date));
  if (month == 0) return {};
  if (month < 0) return std::string(kLeapPrefix).append(kMonthNames[-month - 1]);
  return std::string(kMonthNames[month - 1]).append(kMonthSuffix);
}

std::string LunarMonthFullName(double date) {
  const int month = LunarMonthOf(LunarDate(date));
  return month < 0 ? LunarMonthName(date).append(kMonthSuffix) : LunarMonthName(date);
}

std::string LunarDayName(double date) {
  const int day = LunarDayOf(LunarDate(date));
  if (day == 0) return {};
  return std::string(kDayNames[day - 1]);
}

// Month names are compared through the code's month number: a name equals
// "正月" exactly when the month is the ordinary first month, and so on.
std::string LunarFestival(double date) {
  const LunarDateCode code = LunarDate(date);
  const int day = LunarDayOf(code);
  const int month = LunarMonthOf(code);
  for (const TLunarFestivalDay& festival : kFestivals) {
    if (festival.Day == day && festival.Month == month) return std::string(festival.Name);
  }
  // New Year's Eve is the last day before the first month, 29 or 30 days long,
  // so it is found from the next day; the festival day numbers never end a month.
  if (!IsFestivalDayNumber(day) && month != 1 && LunarMonthOf(LunarDate(date + 1.0)) == 1) {
    return std::string(kNewYearsEve);
  }
  return {};
}

}  // namespace DateCn
