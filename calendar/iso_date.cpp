#include "calendar/iso_date.h"

#include <cstdio>

namespace DateCn {

std::optional<int> ParseDigits(std::string_view text) {
  if (text.empty() || text.size() > 4) return std::nullopt;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::optional<TCivilDate> ParseIsoDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const std::optional<int> year = ParseDigits(text.substr(0, 4));
  const std::optional<int> month = ParseDigits(text.substr(5, 2));
  const std::optional<int> day = ParseDigits(text.substr(8, 2));
  if (!year || !month || !day) return std::nullopt;
  return TCivilDate{*year, *month, *day};
}

std::string FormatIsoDate(const TCivilDate& date) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.Year % 10000, date.Month % 100, date.Day % 100);
  return text;
}

}  // namespace DateCn
