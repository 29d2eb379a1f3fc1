#include "tools/rilvanta-cal/day_report.h"

#include <array>

#include "calendar/date_cn.h"
#include "text/gbk.h"
#include "tools/rilvanta-cal/iso_date.h"

namespace rilvanta_cal {
namespace {

constexpr std::string_view kNothing = "无";

std::string OrNothing(const std::string& gbk) { return gbk.empty() ? std::string(kNothing) : text::GbkToUtf8(gbk); }

// "闰二" reads as "闰二月" in a sentence; ordinary names already end in "月".
std::string FullMonthName(double date) {
  const std::string name = text::GbkToUtf8(DateCn::LunarMonthName(date));
  return DateCn::LunarDate(date) < 0 ? name + "月" : name;
}

void AddLine(std::string& out, std::string_view label, const std::string& value) {
  out.append(label).append("：").append(value).append("\n");
}

}  // namespace

std::string WeekdayName(int dayOfWeek) {
  static constexpr std::array<std::string_view, 7> kNames = {"星期日", "星期一", "星期二", "星期三",
                                                             "星期四", "星期五", "星期六"};
  return std::string(kNames[dayOfWeek - 1]);
}

std::string DayReport(double date) {
  std::string out;
  AddLine(out, "日期", FormatIsoDate(DateCn::DecodeDate(date)) + " " + WeekdayName(DateCn::DayOfWeek(date)));
  AddLine(out, "农历", FullMonthName(date) + text::GbkToUtf8(DateCn::LunarDayName(date)));
  AddLine(out, "农历节日", OrNothing(DateCn::LunarFestival(date)));
  AddLine(out, "节气", OrNothing(DateCn::SolarTerm(date)));
  AddLine(out, "公历节日", OrNothing(DateCn::GregorianFestival(DateCn::DateDay(date), date)));
  AddLine(out, "干支", text::GbkToUtf8(DateCn::YearStemBranch(date)) + "年");
  AddLine(out, "生肖", text::GbkToUtf8(DateCn::YearBranchAnimal(date)));
  AddLine(out, "星座", text::GbkToUtf8(DateCn::StarSign(date)));
  return out;
}

}  // namespace rilvanta_cal
