#include "tools/rilvanta-cal/day_report.h"

#include <array>

#include "calendar/date_cn.h"
#include "calendar/iso_date.h"
#include "text/gbk.h"

namespace rilvanta_cal {
namespace {

constexpr std::string_view kNothing = "无";

std::string OrNothing(const std::string& gbk) { return gbk.empty() ? std::string(kNothing) : text::GbkToUtf8(gbk); }

void AddLine(std::string& out, std::string_view label, const std::string& value) {
  out.append(label).append("：").append(value).append("\n");
}

}  // namespace

std::string WeekdayName(int dayOfWeek) {
  static constexpr std::array<std::string_view, 7> kNames = {"星期日", "星期一", "星期二", "星期三",
                                                             "星期四", "星期五", "星期六"};
  return std::string(kNames[dayOfWeek - 1]);
}

std::string DayReport(double date, const DateCn::THolidayCalendar& holidays) {
  std::string out;
  AddLine(out, "日期", DateCn::FormatIsoDate(DateCn::DecodeDate(date)) + " " + WeekdayName(DateCn::DayOfWeek(date)));
  AddLine(out, "农历", text::GbkToUtf8(DateCn::LunarMonthFullName(date)) + text::GbkToUtf8(DateCn::LunarDayName(date)));
  AddLine(out, "农历节日", OrNothing(DateCn::LunarFestival(date)));
  AddLine(out, "节气", OrNothing(DateCn::SolarTerm(date)));
  AddLine(out, "公历节日", OrNothing(DateCn::GregorianFestival(DateCn::DateDay(date), date)));
  AddLine(out, "干支", text::GbkToUtf8(DateCn::YearStemBranch(date)) + "年");
  AddLine(out, "生肖", text::GbkToUtf8(DateCn::YearBranchAnimal(date)));
  AddLine(out, "星座", text::GbkToUtf8(DateCn::StarSign(date)));
  const DateCn::THolidayMark holiday = holidays.MarkOn(date);
  AddLine(out, "假日安排",
          OrNothing(holiday.Kind == DateCn::THolidayKind::None
                        ? std::string()
                        : holiday.Name + " " + std::string(DateCn::MarkCharacter(holiday.Kind))));
  return out;
}

}  // namespace rilvanta_cal
