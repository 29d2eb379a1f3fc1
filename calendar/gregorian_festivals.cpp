#include <string_view>
#include <utility>

#include "calendar/date_cn.h"

namespace DateCn {
namespace {

struct TFixedFestival {
  int Month;
  int Day;
  std::string_view Name;  // GBK bytes, characters shown beside
};
constexpr TFixedFestival kFixedFestivals[] = {
    {1, 1, "\xD4\xAA\xB5\xA9\xBD\xDA"},    // 元旦节
    {2, 2, "\xCA\xAA\xB5\xD8\xC8\xD5"},    // 湿地日
    {2, 10, "\xC6\xF8\xCF\xF3\xBD\xDA"},   // 气象节
    {2, 14, "\xC7\xE9\xC8\xCB\xBD\xDA"},   // 情人节
    {3, 3, "\xB0\xAE\xB6\xFA\xC8\xD5"},    // 爱耳日
    {3, 8, "\xB8\xBE\xC5\xAE\xBD\xDA"},    // 妇女节
    {3, 12, "\xD6\xB2\xCA\xF7\xBD\xDA"},   // 植树节
    {3, 14, "\xBE\xAF\xB2\xEC\xC8\xD5"},   // 警察日
    {3, 15, "\xCF\xFB\xB7\xD1\xBD\xDA"},   // 消费节
    {3, 21, "\xC9\xAD\xC1\xD6\xC8\xD5"},   // 森林日
    {3, 22, "\xCB\xAE\xC8\xD5"},           // 水日
    {3, 23, "\xC6\xF8\xCF\xF3\xC8\xD5"},   // 气象日
    {4, 1, "\xD3\xDE\xC8\xCB\xBD\xDA"},    // 愚人节
    {4, 7, "\xCE\xC0\xC9\xFA\xC8\xD5"},    // 卫生日
    {4, 22, "\xB5\xD8\xC7\xF2\xC8\xD5"},   // 地球日
    {5, 1, "\xC0\xCD\xB6\xAF\xBD\xDA"},    // 劳动节
    {5, 4, "\xC7\xE0\xC4\xEA\xBD\xDA"},    // 青年节
    {5, 8, "\xBA\xEC\xCA\xAE\xD7\xD6"},    // 红十字
    {5, 12, "\xBB\xA4\xCA\xBF\xBD\xDA"},   // 护士节
    {5, 15, "\xBC\xD2\xCD\xA5\xC8\xD5"},   // 家庭日
    {5, 17, "\xB5\xE7\xD0\xC5\xC8\xD5"},   // 电信日
    {5, 18, "\xB2\xA9\xCE\xEF\xB9\xDD"},   // 博物馆
    {5, 19, "\xD6\xFA\xB2\xD0\xC8\xD5"},   // 助残日
    {5, 23, "\xC5\xA3\xC4\xCC\xC8\xD5"},   // 牛奶日
    {5, 31, "\xCE\xDE\xD1\xCC\xC8\xD5"},   // 无烟日
    {6, 1, "\xB6\xF9\xCD\xAF\xBD\xDA"},    // 儿童节
    {6, 5, "\xBB\xB7\xBE\xB3\xC8\xD5"},    // 环境日
    {6, 6, "\xB0\xAE\xD1\xDB\xC8\xD5"},    // 爱眼日
    {6, 23, "\xCC\xE5\xD3\xFD\xC8\xD5"},   // 体育日
    {6, 25, "\xCD\xC1\xB5\xD8\xC8\xD5"},   // 土地日
    {6, 26, "\xB7\xB4\xB6\xBE\xC6\xB7"},   // 反毒品
    {7, 1, "\xBD\xA8\xB5\xB3\xBD\xDA"},    // 建党节
    {7, 11, "\xC8\xCB\xBF\xDA\xC8\xD5"},   // 人口日
    {8, 1, "\xBD\xA8\xBE\xFC\xBD\xDA"},    // 建军节
    {9, 8, "\xC9\xA8\xC3\xA4\xC8\xD5"},    // 扫盲日
    {9, 10, "\xBD\xCC\xCA\xA6\xBD\xDA"},   // 教师节
    {9, 17, "\xBA\xCD\xC6\xBD\xC8\xD5"},   // 和平日
    {9, 20, "\xB0\xAE\xD1\xC0\xC8\xD5"},   // 爱牙日
    {9, 22, "\xC1\xFB\xC8\xCB\xBD\xDA"},   // 聋人节
    {9, 27, "\xC2\xC3\xD3\xCE\xC8\xD5"},   // 旅游日
    {10, 1, "\xB9\xFA\xC7\xEC\xBD\xDA"},   // 国庆节
    {10, 4, "\xB6\xAF\xCE\xEF\xC8\xD5"},   // 动物日
    {10, 6, "\xC0\xCF\xC8\xCB\xBD\xDA"},   // 老人节
    {10, 7, "\xD7\xA1\xB7\xBF\xC8\xD5"},   // 住房日
    {10, 9, "\xD3\xCA\xD5\xFE\xC8\xD5"},   // 邮政日
    {10, 15, "\xC3\xA4\xC8\xCB\xBD\xDA"},  // 盲人节
    {10, 16, "\xC1\xB8\xCA\xB3\xC8\xD5"},  // 粮食日
    {10, 31, "\xCD\xF2\xCA\xA5\xBD\xDA"},  // 万圣节
    {11, 8, "\xBC\xC7\xD5\xDF\xC8\xD5"},   // 记者日
    {11, 9, "\xCF\xFB\xB7\xC0\xC8\xD5"},   // 消防日
    {11, 17, "\xB4\xF3\xD1\xA7\xC9\xFA"},  // 大学生
    {12, 9, "\xD7\xE3\xC7\xF2\xC8\xD5"},   // 足球日
    {12, 24, "\xC6\xBD\xB0\xB2\xD2\xB9"},  // 平安夜
    {12, 25, "\xCA\xA5\xB5\xAE\xBD\xDA"},  // 圣诞节
};

// A weekday festival falls on weekday `DayOfWeek` (1 = Sunday) of week `Week`
// of the month, week 0 being days 1-7.
struct TWeekdayFestival {
  int Month;
  int DayOfWeek;
  int Week;
  std::string_view Name;
};
constexpr int kSunday = 1;
constexpr int kThursday = 5;
constexpr TWeekdayFestival kWeekdayFestivals[] = {
    {5, kSunday, 1, "\xC4\xB8\xC7\xD7\xBD\xDA"},     // 母亲节, the second Sunday of May
    {6, kSunday, 2, "\xB8\xB8\xC7\xD7\xBD\xDA"},     // 父亲节, the third Sunday of June
    {11, kThursday, 3, "\xB8\xD0\xB6\xF7\xBD\xDA"},  // 感恩节, the fourth Thursday of November
};

}  // namespace

// A weekday festival replaces a fixed one on the same day (Mother's Day on 8 or
// 12 May wins over 红十字 and 护士节).
std::vector<std::string> GregorianFestivals(int day, double date) {
  const TCivilDate civil = DecodeDate(date);
  if (day < 1 || day > DaysInMonth(civil.Year, civil.Month)) return {};
  std::vector<std::string> festivals;
  const int dayOfWeek = DayOfWeek(EncodeDate(civil.Year, civil.Month, day));
  for (const TWeekdayFestival& festival : kWeekdayFestivals) {
    if (festival.Month == civil.Month && festival.DayOfWeek == dayOfWeek && festival.Week == (day - 1) / 7) {
      festivals.emplace_back(festival.Name);
    }
  }
  for (const TFixedFestival& festival : kFixedFestivals) {
    if (festival.Month == civil.Month && festival.Day == day) festivals.emplace_back(festival.Name);
  }
  return festivals;
}

std::string GregorianFestival(int day, double date) {
  std::vector<std::string> festivals = GregorianFestivals(day, date);
  return festivals.empty() ? std::string() : std::move(festivals.front());
}

}  // namespace DateCn
