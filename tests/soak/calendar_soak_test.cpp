// The calendar used for a long time as a user uses it, with real mouse and
// keyboard input: the GDI objects, windows and memory it holds stop growing
// once the first choices have warmed it up. A soak is a numbered series of
// choices on one running calendar, made in rounds; new soaks are new tests of
// CalendarSoak.

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <optional>

#include "soak_length.h"
#include "soaked_calendar.h"

namespace soak {
namespace {

using test_support::GuiObjectCounts;

// Choices after which every kind of choice has been made and every month
// number shown, so that what the program and Wine cache for them exists.
constexpr int kWarmUpChoices = 60;
// What may still come after warming up: a few GDI objects of caches that
// fill late, no window, a little memory.
constexpr int kGdiSlack = 4;
constexpr std::size_t kMemorySlackBytes = 4 << 20;

// Makes choice number `index`; false when the calendar did not answer it.
using TChoice = std::function<bool(TSoakedCalendar& calendar, int index)>;

class CalendarSoak : public ::testing::Test {
 protected:
  // Warms up, then makes rounds of `choicesPerRound` choices. In the test
  // suite kGdiSlack + 1 rounds' worth of choices follow the warming up, in
  // which each of a round's choices comes kGdiSlack + 1 times: one GDI object
  // that any of them leaves behind passes the slack. The long soak makes
  // `longRounds` rounds in all.
  void Soak(int choicesPerRound, int longRounds, const TChoice& choose) {
    const int choices = LongSoak() ? longRounds * choicesPerRound : kWarmUpChoices + (kGdiSlack + 1) * choicesPerRound;
    ASSERT_GT(choices, kWarmUpChoices);
    TSoakedCalendar calendar;
    ASSERT_EQ(calendar.StartFailure(), "");
    const std::optional<GuiObjectCounts> start = calendar.SettledCounts();
    ASSERT_TRUE(start) << "the calendar's counts could not be read";
    Report("start", *start);
    std::optional<GuiObjectCounts> warm;
    for (int index = 0; index < choices; ++index) {
      ASSERT_TRUE(choose(calendar, index)) << "choice " << index << " was not answered";
      if (index + 1 == kWarmUpChoices) {
        ASSERT_TRUE(warm = calendar.SettledCounts());
        Report("after warming up", *warm);
      }
    }
    const std::optional<GuiObjectCounts> end = calendar.SettledCounts();
    ASSERT_TRUE(end);
    Report("at the end", *end);
    EXPECT_EQ(end->windows, warm->windows);
    EXPECT_LE(end->GdiTotal(), warm->GdiTotal() + kGdiSlack);
    EXPECT_LE(end->workingSetBytes, warm->workingSetBytes + kMemorySlackBytes);
  }

 private:
  static void Report(const char* when, const GuiObjectCounts& counts) {
    std::printf("%s, %s: %s\n", ::testing::UnitTest::GetInstance()->current_test_info()->name(), when,
                test_support::Describe(counts).c_str());
  }
};

// Rounds of a year chosen from the year menu, then its twelve months from
// the month menu; 25 years in the long soak.
TEST_F(CalendarSoak, YearsAndTheirMonthsThroughTheYearAndMonthMenus) {
  constexpr int kChoicesPerYear = 13;
  Soak(kChoicesPerYear, 25, [](TSoakedCalendar& calendar, int index) {
    const int month = index % kChoicesPerYear;
    return month == 0 ? calendar.ChooseYear(2000 + index / kChoicesPerYear) : calendar.ChooseMonth(month);
  });
}

// Rounds of a month chosen, the year menu opened down to a decade's group
// and left, back to today, the month and settings menus opened and left;
// fifty in the long soak.
TEST_F(CalendarSoak, EachMenuRoundAfterRound) {
  constexpr int kChoicesPerRound = 5;
  Soak(kChoicesPerRound, 50, [](TSoakedCalendar& calendar, int index) {
    const int round = index / kChoicesPerRound;
    switch (index % kChoicesPerRound) {
      case 0:
        return calendar.ChooseMonth(round % 12 + 1);
      case 1:
        return calendar.OpenAndLeaveYearMenu(round % 15);
      case 2:
        return calendar.ReturnToToday();
      case 3:
        return calendar.OpenAndLeaveMonthMenu();
      default:
        return calendar.OpenAndLeaveSettingsMenu();
    }
  });
}

// Rounds of the pointer across every button five times, then each menu
// opened and left; two hundred in the long soak (a thousand hovers).
TEST_F(CalendarSoak, HoveringAcrossTheButtonsAndEachMenu) {
  constexpr int kChoicesPerRound = 8;
  Soak(kChoicesPerRound, 200, [](TSoakedCalendar& calendar, int index) {
    switch (index % kChoicesPerRound) {
      case 5:
        return calendar.OpenAndLeaveMonthMenu();
      case 6:
        return calendar.OpenAndLeaveYearMenu(index / kChoicesPerRound % 15);
      case 7:
        return calendar.OpenAndLeaveSettingsMenu();
      default:
        return calendar.HoverAcrossButtons();
    }
  });
}

}  // namespace
}  // namespace soak
