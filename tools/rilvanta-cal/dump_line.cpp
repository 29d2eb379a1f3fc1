#include "tools/rilvanta-cal/dump_line.h"

#include "calendar/date_cn.h"
#include "calendar/iso_date.h"

namespace rilvanta_cal {

void TDumpLineWriter::Append(double date, std::string& out) {
  const DateCn::TCivilDate civil = DateCn::DecodeDate(date);
  out += DateCn::FormatIsoDate(civil);
  out += '\t';
  out += std::to_string(DateCn::LunarDate(date));
  for (const std::string& text : {DateCn::LunarMonthName(date), DateCn::LunarDayName(date), DateCn::LunarFestival(date),
                                  DateCn::YearStemBranch(date), DateCn::YearBranchAnimal(date), DateCn::SolarTerm(date),
                                  DateCn::GregorianFestival(civil.Day, date), DateCn::StarSign(date)}) {
    out += '\t';
    out += utf8_.Of(text);
  }
  out += '\n';
}

}  // namespace rilvanta_cal
