#include "window/model/selection.h"

#include <algorithm>

#include "calendar/date_value.h"
#include "window/model/month_dates.h"

namespace DateWin {

TSelection::TSelection(double today) : today_(today) { GoToToday(); }

double TSelection::ShownDate() const { return ClampedDate(year_, month_, day_); }

void TSelection::Select(int year, int month, int day) {
  year_ = static_cast<std::uint16_t>(year);
  month_ = static_cast<std::uint16_t>(month);
  day_ = static_cast<std::uint16_t>(day);
}

void TSelection::GoToToday() {
  const DateCn::TCivilDate today = DateCn::DecodeDate(today_);
  Select(today.Year, today.Month, today.Day);
}

void TSelection::ChooseMonth(int month) { month_ = static_cast<std::uint16_t>(month); }
void TSelection::ChooseYear(int year) { year_ = static_cast<std::uint16_t>(year); }
void TSelection::ChooseDay(int day) { day_ = static_cast<std::uint16_t>(day); }

void TSelection::TurnMonths(int months) {
  constexpr int kMonths = 12;
  const int first = kFirstYear * kMonths;
  const int last = kLastYear * kMonths + kMonths - 1;
  const int index = std::clamp(year_ * kMonths + month_ - 1 + months, first, last);
  Select(index / kMonths, index % kMonths + 1, day_);
}

void TSelection::TurnYears(int years) { Select(std::clamp(year_ + years, kFirstYear, kLastYear), month_, day_); }

void TSelection::MoveDays(int days) {
  const double first = DateCn::EncodeDate(kFirstYear, 1, 1);
  const double last = DateCn::EncodeDate(kLastYear, 12, 31);
  const DateCn::TCivilDate moved = DateCn::DecodeDate(std::clamp(ShownDate() + days, first, last));
  Select(moved.Year, moved.Month, moved.Day);
}

}  // namespace DateWin
