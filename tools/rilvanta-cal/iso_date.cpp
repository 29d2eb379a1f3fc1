#include "tools/rilvanta-cal/iso_date.h"

#include <cstdio>

namespace rilvanta_cal {
namespace {

std::optional<int> Digits(std::string_view text) {
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

std::optional<DateCn::CivilDate> ParseIsoDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const std::optional<int> year = Digits(text.substr(0, 4));
  const std::optional<int> month = Digits(text.substr(5, 2));
  const std::optional<int> day = Digits(text.substr(8, 2));
  if (!year || !month || !day) return std::nullopt;
  return DateCn::CivilDate{*year, *month, *day};
}

std::string FormatIsoDate(const DateCn::CivilDate& date) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year % 10000, date.month % 100, date.day % 100);
  return text;
}

}  // namespace rilvanta_cal
