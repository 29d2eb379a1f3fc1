#pragma once
// The calendar's selection and today, kept apart: the selection moves with the
// menus, the grid, the keys and the wheel, while today keeps its own mark in
// whichever month shows it.
//
// The window holds one TSelection, shows ShownDate() after every change
// (BuildMonthView with TMonthMarks::Today = Today()), and checks Month() in the
// month menu and Year() in the year menu: the shown ones.

#include <cstdint>

namespace DateWin {

// The months the calendar reaches, as its engine does: 1901-01 ... 2050-12.
constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;

class TSelection {
 public:
  // Starts with today selected.
  explicit TSelection(double today);

  std::uint16_t Year() const { return year_; }
  std::uint16_t Month() const { return month_; }
  // May exceed the shown month's length: with the 31st chosen, February shows
  // its last day and March the 31st again.
  std::uint16_t Day() const { return day_; }
  // The date the window shows and marks as selected: ClampedDate of the three.
  double ShownDate() const;

  double Today() const { return today_; }
  // The clock passed midnight; the selection stays.
  void SetToday(double today) { today_ = today; }

  void GoToToday();
  void ChooseMonth(int month);  // 1-12, the month menu
  void ChooseYear(int year);    // the year menu
  void ChooseDay(int day);      // a day cell
  // Page Up/Down and the wheel (months), Ctrl+Page Up/Down (years): forward
  // when positive, keeping the day as the menus do; they stop at the first and
  // last month, and year.
  void TurnMonths(int months);
  void TurnYears(int years);
  // The arrow keys: the day that many days from the shown date, across month
  // ends, kept within 1901-01-01 ... 2050-12-31.
  void MoveDays(int days);

 private:
  void Select(int year, int month, int day);

  double today_;
  std::uint16_t year_ = 0;
  std::uint16_t month_ = 0;
  std::uint16_t day_ = 0;
};

}  // namespace DateWin
