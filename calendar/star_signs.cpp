#include <array>
#include <string_view>

#include "calendar/date_cn.h"

namespace DateCn {
namespace {

// Per month: the first sign up to and including `LastDay`, the second after
// it. GBK bytes, characters shown beside. Virgo starts on 23 August, as in the
// common Chinese tables, so every day has a sign.
struct TMonthSigns {
  std::string_view First;
  int LastDay;
  std::string_view Second;
};
constexpr std::array<TMonthSigns, 12> kStarSigns = {{
    {"\xC4\xA6\xF4\xC9\xD7\xF9", 19, "\xCB\xAE\xC6\xBF\xD7\xF9"},  // month 1: 摩羯座 to day 19, then 水瓶座
    {"\xCB\xAE\xC6\xBF\xD7\xF9", 18, "\xCB\xAB\xD3\xE3\xD7\xF9"},  // month 2: 水瓶座 to day 18, then 双鱼座
    {"\xCB\xAB\xD3\xE3\xD7\xF9", 20, "\xB0\xD7\xD1\xF2\xD7\xF9"},  // month 3: 双鱼座 to day 20, then 白羊座
    {"\xB0\xD7\xD1\xF2\xD7\xF9", 19, "\xBD\xF0\xC5\xA3\xD7\xF9"},  // month 4: 白羊座 to day 19, then 金牛座
    {"\xBD\xF0\xC5\xA3\xD7\xF9", 20, "\xCB\xAB\xD7\xD3\xD7\xF9"},  // month 5: 金牛座 to day 20, then 双子座
    {"\xCB\xAB\xD7\xD3\xD7\xF9", 21, "\xBE\xDE\xD0\xB7\xD7\xF9"},  // month 6: 双子座 to day 21, then 巨蟹座
    {"\xBE\xDE\xD0\xB7\xD7\xF9", 22, "\xCA\xA8\xD7\xD3\xD7\xF9"},  // month 7: 巨蟹座 to day 22, then 狮子座
    {"\xCA\xA8\xD7\xD3\xD7\xF9", 22, "\xB4\xA6\xC5\xAE\xD7\xF9"},  // month 8: 狮子座 to day 22, then 处女座
    {"\xB4\xA6\xC5\xAE\xD7\xF9", 22, "\xCC\xEC\xB3\xD3\xD7\xF9"},  // month 9: 处女座 to day 22, then 天秤座
    {"\xCC\xEC\xB3\xD3\xD7\xF9", 23, "\xCC\xEC\xD0\xAB\xD7\xF9"},  // month 10: 天秤座 to day 23, then 天蝎座
    {"\xCC\xEC\xD0\xAB\xD7\xF9", 21, "\xC9\xE4\xCA\xD6\xD7\xF9"},  // month 11: 天蝎座 to day 21, then 射手座
    {"\xC9\xE4\xCA\xD6\xD7\xF9", 21, "\xC4\xA6\xF4\xC9\xD7\xF9"},  // month 12: 射手座 to day 21, then 摩羯座
}};

std::string SignOf(int month, int day) {
  const TMonthSigns& signs = kStarSigns[month - 1];
  return std::string(day <= signs.LastDay ? signs.First : signs.Second);
}

}  // namespace

std::string StarSign(double date) {
  const TCivilDate civil = DecodeDate(date);
  return SignOf(civil.Month, civil.Day);
}

std::string StarSignOfDay(int day, double date) {
  const TCivilDate civil = DecodeDate(date);
  if (day < 1 || day > DaysInMonth(civil.Year, civil.Month)) return {};
  return SignOf(civil.Month, day);
}

}  // namespace DateCn
