#include <array>
#include <cstdlib>
#include <string_view>

#include "calendar/date_cn.h"

namespace DateCn {
namespace {

// Branch and animal; index 0 is the year 1972. GBK bytes, characters shown.
constexpr std::array<std::string_view, 12> kBranchAnimalNames = {
    "\xD7\xD3\xCA\xF3",  // 子鼠
    "\xB3\xF3\xC5\xA3",  // 丑牛
    "\xD2\xFA\xBB\xA2",  // 寅虎
    "\xC3\xAE\xCD\xC3",  // 卯兔
    "\xB3\xBD\xC1\xFA",  // 辰龙
    "\xCB\xC8\xC9\xDF",  // 巳蛇
    "\xCE\xE7\xC2\xED",  // 午马
    "\xCE\xB4\xD1\xF2",  // 未羊
    "\xC9\xEA\xBA\xEF",  // 申猴
    "\xD3\xCF\xBC\xA6",  // 酉鸡
    "\xD0\xE7\xB9\xB7",  // 戌狗
    "\xBA\xA5\xD6\xED",  // 亥猪
};
constexpr int kFirstBranchYear = 1972;

// Index 0 is the year 1974.
constexpr std::array<std::string_view, 10> kStemNames = {
    "\xBC\xD7",  // 甲
    "\xD2\xD2",  // 乙
    "\xB1\xFB",  // 丙
    "\xB6\xA1",  // 丁
    "\xCE\xEC",  // 戊
    "\xBC\xBA",  // 己
    "\xB8\xFD",  // 庚
    "\xD0\xC1",  // 辛
    "\xC8\xC9",  // 壬
    "\xB9\xEF",  // 癸
};
constexpr int kFirstStemYear = 1974;

constexpr std::size_t kCharacterBytes = 2;

// A date of January to March whose month name holds "腊" or "冬" (腊月, 冬月,
// 闰腊, 闰冬: months 11 and 12, leap or not) belongs to the lunar year before.
// Outside the table the month is 0 and the Gregorian year counts.
int LunarYear(double date) {
  const TCivilDate civil = DecodeDate(date);
  if (civil.Month <= 3 && std::abs(LunarMonthOf(LunarDate(date))) >= 11) return civil.Year - 1;
  return civil.Year;
}

// The name of `year` in a cycle that starts at `firstYear`, also for earlier years.
template <std::size_t N>
std::string_view NameInCycle(const std::array<std::string_view, N>& names, int year, int firstYear) {
  constexpr int kLength = static_cast<int>(N);
  return names[((year - firstYear) % kLength + kLength) % kLength];
}

}  // namespace

std::string YearBranchAnimal(double date) {
  return std::string(NameInCycle(kBranchAnimalNames, LunarYear(date), kFirstBranchYear));
}

std::string YearStemBranch(double date) {
  const int year = LunarYear(date);
  const std::string_view branch = NameInCycle(kBranchAnimalNames, year, kFirstBranchYear).substr(0, kCharacterBytes);
  return std::string(NameInCycle(kStemNames, year, kFirstStemYear)).append(branch);
}

}  // namespace DateCn
