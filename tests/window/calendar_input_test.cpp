// The calendar window driven with the system's own input: keys and the wheel
// move the selection (the search box keeping its own keys), today keeps its
// mark apart, the menus check what is shown, a day's tooltip tells its
// details, and the 休 and 班 marks stand on the screen beside, never over,
// the day numbers, with later years from a holidays.txt.

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "real_input.h"
#include "running_program.h"
#include "screen_pixels.h"
#include "text/gbk.h"
#include "window/model/day_details.h"
#include "window_test_support.h"

namespace window_test {
namespace {

struct TDay {
  int Year, Month, Day;
  bool operator==(const TDay&) const = default;
};

class CalendarInput : public WindowTest {
 protected:
  void SetUp() override {
    Open(Date(2026, 5, 15));  // a Friday
    SetForegroundWindow(form->Handle());
    form->Button1->SetFocus();
    Pump();
  }
  TDay Selected() const { return {form->Selection.Year(), form->Selection.Month(), form->Selection.Day()}; }
  // Real input, then the messages it made, handled.
  void Input(const std::function<void()>& give) {
    give();
    real_input::WaitForInputToRest();
    Pump();
  }
  POINT OnScreen(const ui::TControl& control) const {
    POINT corner{control.Left(), control.Top()};
    ClientToScreen(form->Panel1->Handle(), &corner);
    return corner;
  }
  POINT CentreOf(const ui::TControl& control) const {
    const POINT corner = OnScreen(control);
    return {corner.x + control.Width() / 2, corner.y + control.Height() / 2};
  }
  std::vector<int> CheckedTags(ui::TMenuItem& items) const {
    std::vector<int> tags;
    for (int index = 0; index < items.Count(); ++index) {
      if (items.Items(index)->Checked()) tags.push_back(items.Items(index)->Tag());
      for (int sub = 0; sub < items.Items(index)->Count(); ++sub)
        if (items.Items(index)->Items(sub)->Checked()) tags.push_back(items.Items(index)->Items(sub)->Tag());
    }
    return tags;
  }
  // Opens a navigation menu with its ">" and closes it again.
  void OpenAndClose(ui::TControl& opener) {
    QueueMenuKeys({VK_ESCAPE});
    ClickControl(opener);
  }
};

TEST_F(CalendarInput, KeysMoveTheSelectionAndTheSearchBoxKeepsItsOwn) {
  const struct {
    std::initializer_list<WORD> Keys;
    TDay Expected;
  } steps[] = {
      {{VK_NEXT}, {2026, 6, 15}},
      {{VK_PRIOR}, {2026, 5, 15}},
      {{VK_CONTROL, VK_NEXT}, {2027, 5, 15}},
      {{VK_CONTROL, VK_PRIOR}, {2026, 5, 15}},
      {{VK_RIGHT}, {2026, 5, 16}},
      {{VK_DOWN}, {2026, 5, 23}},
      {{VK_DOWN}, {2026, 5, 30}},
      {{VK_DOWN}, {2026, 6, 6}},  // across the month's end
      {{VK_LEFT}, {2026, 6, 5}},
      {{VK_UP}, {2026, 5, 29}},
      {{VK_HOME}, {2026, 5, 15}},
  };
  for (const auto& step : steps) {
    Input([&] { real_input::PressChord(step.Keys); });
    EXPECT_EQ(Selected(), step.Expected) << "after key " << *step.Keys.begin() << " (" << step.Keys.size() << ")";
  }
  EXPECT_EQ(Text(*form->Label17), "5");

  form->Edit1->SetFocus();
  Input([] { real_input::PressKey(VK_RIGHT), real_input::PressKey(VK_HOME), real_input::PressKey(VK_DOWN); });
  EXPECT_EQ(Selected(), (TDay{2026, 5, 15})) << "the box's own keys";
  Input([] { real_input::PressKey(VK_NEXT); });
  EXPECT_EQ(Selected(), (TDay{2026, 6, 15})) << "Page Down still turns the month";
}

TEST_F(CalendarInput, TheWheelOverTheWindowTurnsTheMonthDownToTheNext) {
  Input([&] { real_input::MoveMouseTo(CentreOf(*form->Label16)); });
  for (const auto& [notches, month] : {std::pair{-1, 6}, {-2, 8}, {3, 5}}) {
    Input([notches] { real_input::TurnWheel(notches); });
    EXPECT_EQ(Selected(), (TDay{2026, month, 15})) << notches;
  }
}

TEST_F(CalendarInput, TodayKeepsItsMarkApartAndTheMenusCheckTheShownMonthAndYear) {
  const int today = CellShowing(15);
  Input([] { real_input::PressKey(VK_RIGHT); });
  EXPECT_TRUE(form->ShapeToday->Visible());
  EXPECT_EQ(form->ShapeToday->Left(), form->DayCells[today]->Left() - 1) << "on today";
  EXPECT_EQ(form->Shape2->Left(), form->DayCells[CellShowing(16)]->Left() - 1) << "the selection on the 16th";

  Input([] { real_input::PressChord({VK_CONTROL, VK_NEXT}); });  // May 2027
  EXPECT_FALSE(form->ShapeToday->Visible()) << "today is in another month";
  OpenAndClose(*form->SpeedButton1);
  OpenAndClose(*form->SpeedButton2);
  EXPECT_EQ(CheckedTags(*form->MenuMonth->Items()), std::vector<int>{5});
  EXPECT_EQ(CheckedTags(*form->MenuYear->Items()), (std::vector<int>{0, 2027})) << "the decade and the year";

  Input([] { real_input::PressChord({VK_CONTROL, VK_PRIOR}); });
  EXPECT_TRUE(form->ShapeToday->Visible()) << "back in today's month";
  EXPECT_EQ(form->ShapeToday->Left(), form->DayCells[CellShowing(15)]->Left() - 1);
}

TEST_F(CalendarInput, HoveringADayShowsItsDetailsInATooltip) {
  for (int turn = 0; turn < 5; ++turn) Input([] { real_input::PressKey(VK_NEXT); });  // October
  ui::TLabel& nationalDay = *form->LunarCells[CellShowing(1)];
  Input([&] { real_input::MoveMouseTo(CentreOf(nationalDay)); });
  HWND tip = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    Pump();
    for (HWND window : TopLevelWindows(L"tooltips_class32", GetCurrentProcessId()))
      if (IsWindowVisible(window)) tip = window;
    return tip != nullptr;
  }));
  const std::wstring expected = text::GbkToWide(DateWin::DayDetails(Date(2026, 10, 1), form->Holidays));
  EXPECT_EQ(WindowText(tip), expected);
  EXPECT_NE(expected.find(L"国庆节 休"), std::wstring::npos) << text::WideToUtf8(expected);
}

// WCAG's contrast of two colours 0x00RRGGBB.
double Contrast(std::uint32_t first, std::uint32_t second) {
  const auto luminance = [](std::uint32_t colour) {
    const auto channel = [](std::uint32_t value) {
      const double c = value / 255.0;
      return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour >> 16 & 0xFF) + 0.7152 * channel(colour >> 8 & 0xFF) +
           0.0722 * channel(colour & 0xFF);
  };
  const double a = luminance(first), b = luminance(second);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// The box around the pixels of one colour in an area; empty when there are none.
RECT BoundsOf(const std::vector<std::uint32_t>& pixels, int width, std::uint32_t colour) {
  RECT bounds{width, 1 << 20, -1, -1};
  for (std::size_t index = 0; index < pixels.size(); ++index) {
    if (pixels[index] != colour) continue;
    const int x = static_cast<int>(index) % width, y = static_cast<int>(index) / width;
    bounds = {std::min<LONG>(bounds.left, x), std::min<LONG>(bounds.top, y), std::max<LONG>(bounds.right, x + 1),
              std::max<LONG>(bounds.bottom, y + 1)};
  }
  return bounds;
}

TEST_F(CalendarInput, DaysOffAndWorkDaysCarryAReadableMarkBesideTheDayNumber) {
  const struct {
    int Months;  // Page Down from May 2026
    int Day;
    std::uint32_t DayColour;  // the day number's, on the screen
    std::uint32_t MarkColour;
  } days[] = {
      {-3, 14, 0xFF0000, 0x455A64},  // 2026-02-14, a Saturday worked: 班
      {5, 1, 0x000000, 0xC2185B},    // 2026-10-01, National Day: 休
  };
  for (const auto& day : days) {
    for (int turn = 0; turn < std::abs(day.Months); ++turn)
      Input([&] { real_input::PressKey(day.Months > 0 ? VK_NEXT : VK_PRIOR); });
    Input([&] { real_input::MoveMouseTo(CentreOf(*form->Button1)); });  // no tooltip over the cell
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const int cell = CellShowing(day.Day);
    const POINT corner = OnScreen(*form->DayCells[cell]);
    constexpr int kWidth = 42, kHeight = 30;  // the day number, its lunar text and the gap beside them
    const std::vector<std::uint32_t> pixels = ScreenPixels({corner.x, corner.y, corner.x + kWidth, corner.y + kHeight});
    const RECT mark = BoundsOf(pixels, kWidth, day.MarkColour), number = BoundsOf(pixels, kWidth, day.DayColour);
    SCOPED_TRACE(day.Day);
    ASSERT_GT(mark.right, 0) << "the mark shows in its own colour";
    ASSERT_GT(number.right, 0) << "the day number shows";
    EXPECT_TRUE(mark.left >= number.right || mark.bottom <= number.top) << "the mark beside the number, not over it";
    EXPECT_LE(mark.bottom, form->LunarCells[cell]->Top() - form->DayCells[cell]->Top()) << "above the lunar text";
    EXPECT_GE(Contrast(day.MarkColour, 0xFFFFFF), 4.5);
    Input([] { real_input::PressKey(VK_HOME); });
  }
}

// A later year's days come from a holidays.txt beside the program.
class HolidaysFile : public WindowTest {};

TEST_F(HolidaysFile, BesideTheProgramMarksALaterYearsDays) {
  wchar_t module[MAX_PATH];
  const std::wstring program(module, GetModuleFileNameW(nullptr, module, MAX_PATH));
  const std::wstring path = program.substr(0, program.find_last_of(L'\\') + 1) + L"holidays.txt";
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  const std::string lines = "# test\n2030-01-02 \xE4\xBC\x91 New Year\nnot a day\n2030-01-05 \xE7\x8F\xAD New Year\n";
  DWORD written = 0;
  WriteFile(file, lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr);
  CloseHandle(file);
  Open(Date(2026, 5, 15));
  DeleteFileW(path.c_str());
  form->ShowMonth(Date(2030, 1, 1));
  for (const auto& [day, mark] : {std::pair{2, "休"}, {5, "班"}}) {
    EXPECT_TRUE(form->HolidayMarks[CellShowing(day)]->Visible()) << day;
    EXPECT_EQ(Text(*form->HolidayMarks[CellShowing(day)]), Gbk(mark)) << day;
  }
  EXPECT_FALSE(form->HolidayMarks[CellShowing(3)]->Visible());
}

}  // namespace
}  // namespace window_test
