#include "window/locale_texts.h"

#include <windows.h>

#include "calendar/date_value.h"
#include "text/gbk.h"

namespace DateWin {
namespace {

std::string LocaleText(LCTYPE type) {
  wchar_t buffer[128];
  const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, static_cast<int>(std::size(buffer)));
  return length > 0 ? text::WideToGbk(std::wstring_view(buffer, static_cast<size_t>(length - 1))) : std::string();
}

}  // namespace

std::string LongMonthName(int month) { return LocaleText(LOCALE_SMONTHNAME1 + static_cast<LCTYPE>(month - 1)); }

std::string ShortDateText(double date) {
  const DateCn::TCivilDate civil = DateCn::DecodeDate(date);
  SYSTEMTIME day{};
  day.wYear = static_cast<WORD>(civil.Year);
  day.wMonth = static_cast<WORD>(civil.Month);
  day.wDay = static_cast<WORD>(civil.Day);
  wchar_t buffer[128];
  const int length =
      GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &day, nullptr, buffer, static_cast<int>(std::size(buffer)));
  return length > 0 ? text::WideToGbk(std::wstring_view(buffer, static_cast<size_t>(length - 1))) : std::string();
}

}  // namespace DateWin
