#include <gtest/gtest.h>

#include <string>

#include "calendar/date_value.h"
#include "window/model/calendar_keys.h"
#include "window/model/selection.h"

namespace {

using DateWin::TCalendarCommand;
using DateWin::TSelection;
namespace TVirtualKey = DateWin::TVirtualKey;

double Day(int year, int month, int day) { return DateCn::EncodeDate(year, month, day); }

std::string Shown(const TSelection& selection) {
  const DateCn::TCivilDate date = DateCn::DecodeDate(selection.ShownDate());
  return std::to_string(date.Year) + "-" + std::to_string(date.Month) + "-" + std::to_string(date.Day);
}

TEST(Selection, TodayStaysApartFromTheSelection) {
  TSelection selection(Day(2026, 12, 8));
  EXPECT_EQ(Shown(selection), "2026-12-8");
  selection.ChooseDay(20);
  selection.ChooseMonth(6);
  EXPECT_EQ(Shown(selection), "2026-6-20");
  EXPECT_EQ(selection.Today(), Day(2026, 12, 8));
  selection.GoToToday();
  EXPECT_EQ(Shown(selection), "2026-12-8");
  selection.SetToday(Day(2026, 12, 9));  // past midnight: the selection stays
  EXPECT_EQ(Shown(selection), "2026-12-8");
}

TEST(Selection, MovesKeepTheDayAndStopAtTheTablesEnds) {
  TSelection selection(Day(2010, 1, 31));
  selection.TurnMonths(1);
  EXPECT_EQ(Shown(selection), "2010-2-28");
  EXPECT_EQ(selection.Day(), 31);
  selection.TurnMonths(1);
  EXPECT_EQ(Shown(selection), "2010-3-31");
  selection.TurnMonths(-3);
  EXPECT_EQ(Shown(selection), "2009-12-31");
  selection.TurnYears(-200);
  EXPECT_EQ(Shown(selection), "1901-12-31");
  selection.TurnMonths(-12);
  EXPECT_EQ(Shown(selection), "1901-1-31");
  selection.ChooseYear(2050);
  selection.TurnMonths(13);
  EXPECT_EQ(Shown(selection), "2050-12-31");
  selection.TurnYears(1);
  EXPECT_EQ(Shown(selection), "2050-12-31");
  selection.MoveDays(40);
  EXPECT_EQ(Shown(selection), "2050-12-31");
  selection.ChooseYear(1901);
  selection.ChooseMonth(1);
  selection.MoveDays(-40);
  EXPECT_EQ(Shown(selection), "1901-1-1");
}

TEST(CalendarKeys, MapToCommandsAndTheSearchBoxKeepsItsOwn) {
  const struct {
    int Key;
    bool Control;
    TCalendarCommand InGrid;
    TCalendarCommand InSearchBox;
  } kCases[] = {
      {TVirtualKey::PageUp, false, TCalendarCommand::PreviousMonth, TCalendarCommand::PreviousMonth},
      {TVirtualKey::PageDown, false, TCalendarCommand::NextMonth, TCalendarCommand::NextMonth},
      {TVirtualKey::PageUp, true, TCalendarCommand::PreviousYear, TCalendarCommand::PreviousYear},
      {TVirtualKey::PageDown, true, TCalendarCommand::NextYear, TCalendarCommand::NextYear},
      {TVirtualKey::Left, false, TCalendarCommand::PreviousDay, TCalendarCommand::None},
      {TVirtualKey::Right, false, TCalendarCommand::NextDay, TCalendarCommand::None},
      {TVirtualKey::Up, false, TCalendarCommand::PreviousWeek, TCalendarCommand::None},
      {TVirtualKey::Down, false, TCalendarCommand::NextWeek, TCalendarCommand::None},
      {TVirtualKey::Home, false, TCalendarCommand::Today, TCalendarCommand::None},
      {TVirtualKey::End, false, TCalendarCommand::None, TCalendarCommand::None},
      {TVirtualKey::Escape, false, TCalendarCommand::Close, TCalendarCommand::Close},
      {'A', false, TCalendarCommand::None, TCalendarCommand::None},
  };
  for (const auto& key : kCases) {
    EXPECT_EQ(DateWin::CommandForKey({key.Key, key.Control, false}), key.InGrid) << key.Key;
    EXPECT_EQ(DateWin::CommandForKey({key.Key, key.Control, true}), key.InSearchBox) << key.Key;
  }
}

TEST(CalendarKeys, CommandsMoveTheSelection) {
  const struct {
    TCalendarCommand Command;
    std::string Shown;
  } kCases[] = {
      {TCalendarCommand::PreviousMonth, "2026-1-31"}, {TCalendarCommand::NextMonth, "2026-3-31"},
      {TCalendarCommand::PreviousYear, "2025-2-28"},  {TCalendarCommand::NextYear, "2027-2-28"},
      {TCalendarCommand::PreviousDay, "2026-2-27"},   {TCalendarCommand::NextDay, "2026-3-1"},
      {TCalendarCommand::PreviousWeek, "2026-2-21"},  {TCalendarCommand::NextWeek, "2026-3-7"},
      {TCalendarCommand::Today, "2026-12-8"},
  };
  for (const auto& command : kCases) {
    TSelection selection(Day(2026, 12, 8));
    selection.ChooseMonth(2);
    selection.ChooseDay(31);
    EXPECT_TRUE(DateWin::Navigate(selection, command.Command));
    EXPECT_EQ(Shown(selection), command.Shown) << static_cast<int>(command.Command);
  }
  TSelection selection(Day(2026, 12, 8));
  EXPECT_FALSE(DateWin::Navigate(selection, TCalendarCommand::Close));
  EXPECT_FALSE(DateWin::Navigate(selection, TCalendarCommand::None));
  EXPECT_EQ(Shown(selection), "2026-12-8");
}

TEST(WheelTurns, DownIsNextAndSmallStepsAddUpToNotches) {
  DateWin::TWheelTurns wheel;
  EXPECT_EQ(wheel.Add(-120), 1);
  EXPECT_EQ(wheel.Add(240), -2);
  EXPECT_EQ(wheel.Add(-40), 0);
  EXPECT_EQ(wheel.Add(-40), 0);
  EXPECT_EQ(wheel.Add(-40), 1);
  EXPECT_EQ(wheel.Add(-60), 0);
  EXPECT_EQ(wheel.Add(60), 0);  // turning back drops the half notch the other way
  EXPECT_EQ(wheel.Add(60), -1);
}

}  // namespace
