#pragma once
// One line of `rilvanta-cal dump`: ten tab-separated UTF-8 columns, empty texts
// as empty fields, ending in "\n":
//   date (YYYY-MM-DD), LunarDate code, LunarMonthName, LunarDayName,
//   LunarFestival, YearStemBranch, YearBranchAnimal, SolarTerm,
//   GregorianFestival, StarSign

#include <string>

#include "tools/rilvanta-cal/utf8_texts.h"

namespace rilvanta_cal {

class TDumpLineWriter {
 public:
  void Append(double date, std::string& out);

 private:
  TUtf8Texts utf8_;
};

}  // namespace rilvanta_cal
