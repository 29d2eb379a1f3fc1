#include "soaked_calendar.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <thread>
#include <vector>

#include "tests/window/real_input.h"
#include "tests/window/screen_pixels.h"

namespace soak {
namespace {

using namespace std::chrono_literals;
using real_input::ClickAt;
using real_input::MoveMouseTo;
using real_input::PressKey;
using real_input::RightClickAt;
using real_input::WaitForInputToRest;
using window_test::WaitFor;

// Where the controls lie in the calendar's client area.
constexpr POINT kMonthButton{57, 22};       // ">" after the month number
constexpr POINT kYearButton{202, 22};       // ">" after the year
constexpr POINT kSettingsButton{273, 268};  // "软件设置"
constexpr POINT kMonthWord{71, 24};         // "月"
constexpr POINT kYearWord{217, 24};         // "年"
// The middles of the seven buttons shown, then a point of the grid on none.
constexpr POINT kHoverPath[] = {{57, 22},   {202, 22},  {39, 268},  {117, 268},
                                {197, 268}, {273, 268}, {273, 295}, {130, 150}};
// Long enough for the calendar to see the pointer over a button before it moves on.
constexpr auto kHoverRest = 10ms;
// Parts of the header and the grid where no menu ever lies (menus open
// right of and below the point clicked), no caret blinks and no button
// changes its look under the mouse: above the buttons' middle beside the two
// ">" buttons (x 51-62 and 196-207), and left of the month button. Every
// other month shows other pixels there: another month number, year or first
// column of days.
constexpr RECT kMonthAreas[] = {{0, 0, 50, 22}, {64, 0, 195, 22}, {209, 0, 312, 22}, {0, 22, 50, 250}};
// How long the month areas must stay the same to count as painted.
constexpr auto kSettled = 50ms;
constexpr int kFirstMenuYear = 1901;
constexpr int kClickSpread = 3;  // pixels either side of a control's middle

std::vector<HWND> VisibleMenus(DWORD processId) {
  std::vector<HWND> menus;
  for (HWND menu : window_test::TopLevelWindows(L"#32768", processId))
    if (IsWindowVisible(menu)) menus.push_back(menu);
  return menus;
}

// The month areas' pixels as the screen shows them.
std::vector<std::uint32_t> MonthAreaPixels(HWND window) {
  std::vector<std::uint32_t> pixels;
  for (RECT area : kMonthAreas) {
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area), 2);
    const std::vector<std::uint32_t> shown = window_test::ScreenPixels(area);
    pixels.insert(pixels.end(), shown.begin(), shown.end());
  }
  return pixels;
}

// Waits until the month areas have stayed the same for a while and `wanted`
// holds for what they show.
bool WaitForPicture(HWND window, const std::function<bool(const std::vector<std::uint32_t>&)>& wanted) {
  std::vector<std::uint32_t> last;
  auto unchangedSince = std::chrono::steady_clock::now();
  return WaitFor([&] {
    std::vector<std::uint32_t> now = MonthAreaPixels(window);
    const auto time = std::chrono::steady_clock::now();
    if (now != last) {
      last = std::move(now);
      unchangedSince = time;
      return false;
    }
    return time - unchangedSince >= kSettled && wanted(last);
  });
}

// Waits until every menu of the process is gone, not only hidden: then its
// menu loop has ended and the choice has been handled, and the window's
// thread answers messages again.
bool WaitForMenusGone(DWORD processId, HWND window) {
  DWORD_PTR result = 0;
  return WaitFor([processId] { return window_test::TopLevelWindows(L"#32768", processId).empty(); }) &&
         SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &result) != 0;
}

TShownMonth Today() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth};
}

// In an open menu Home selects the first item, Down the next one, Right
// opens the selected group at its first item.
std::vector<WORD> Down(int times) { return std::vector<WORD>(times, VK_DOWN); }

std::vector<WORD> Keys(std::initializer_list<std::vector<WORD>> parts) {
  std::vector<WORD> keys;
  for (const std::vector<WORD>& part : parts) keys.insert(keys.end(), part.begin(), part.end());
  return keys;
}

}  // namespace

TSoakedCalendar::TSoakedCalendar() : shown_(Today()) {
  if (!program_.Started()) {
    startFailure_ = "rilvanta.exe did not start, error " + std::to_string(GetLastError());
    return;
  }
  HWND window = window_test::WaitForWindow([this] { return window_test::CalendarWindow(program_.Id()); });
  if (!window) startFailure_ = "the calendar window was never shown and active";
  // Painted: more than the one colour of an empty window.
  else if (!WaitForPicture(window, [](const std::vector<std::uint32_t>& pixels) {
             return std::adjacent_find(pixels.begin(), pixels.end(), std::not_equal_to<>()) != pixels.end();
           }))
    startFailure_ = "the calendar window was never painted";
  else
    window_ = window;
}

bool TSoakedCalendar::ChooseMonth(int month) {
  return OpenMenu(kMonthButton, TButton::Left) &&
         PressInMenu(Keys({{VK_HOME}, Down(month - 1), {VK_RETURN}}), {shown_.Year, month});
}

bool TSoakedCalendar::ChooseYear(int year) {
  const int decade = (year - kFirstMenuYear) / 10, inDecade = (year - kFirstMenuYear) % 10;
  return OpenMenu(kYearButton, TButton::Left) &&
         PressInMenu(Keys({{VK_HOME}, Down(decade), {VK_RIGHT}, Down(inDecade), {VK_RETURN}}), {year, shown_.Month});
}

bool TSoakedCalendar::ReturnToToday() {
  return OpenMenu(kSettingsButton, TButton::Left) && PressInMenu({VK_HOME, VK_RETURN}, Today());
}

bool TSoakedCalendar::OpenAndLeaveSettingsMenu() {
  return OpenMenu(kSettingsButton, TButton::Left) && PressInMenu({VK_ESCAPE}, shown_);
}

bool TSoakedCalendar::OpenAndLeaveMonthMenu() {
  return OpenMenu(kMonthWord, TButton::Right) && PressInMenu({VK_ESCAPE}, shown_);
}

// The first Escape closes the group, the second the menu.
bool TSoakedCalendar::OpenAndLeaveYearMenu(int decade) {
  if (!OpenMenu(kYearWord, TButton::Right)) return false;
  for (WORD key : Keys({{VK_HOME}, Down(decade), {VK_RIGHT}})) PressKey(key);
  return WaitFor([this] { return VisibleMenus(program_.Id()).size() == 2; }) &&
         PressInMenu({VK_ESCAPE, VK_ESCAPE}, shown_);
}

bool TSoakedCalendar::HoverAcrossButtons() {
  if (!window_ || !IsWindow(window_)) return false;
  for (POINT point : kHoverPath) {
    ClientToScreen(window_, &point);
    MoveMouseTo(point);
    std::this_thread::sleep_for(kHoverRest);
  }
  return GetForegroundWindow() == window_;
}

std::optional<test_support::GuiObjectCounts> TSoakedCalendar::SettledCounts() const {
  return test_support::SettledGuiObjectCounts(program_.Id());
}

bool TSoakedCalendar::OpenMenu(POINT client, TButton button) {
  if (!window_ || !IsWindow(window_)) return false;
  before_ = MonthAreaPixels(window_);
  // Two clicks on one spot within the double-click time make a double click;
  // a user's clicks land a few pixels apart.
  client.x += clicks_++ % 2 == 0 ? -kClickSpread : kClickSpread;
  ClientToScreen(window_, &client);
  if (button == TButton::Left)
    ClickAt(client);
  else
    RightClickAt(client);
  // The pointer stays where it was clicked, at the menu's corner, where the
  // echo of its move clears the menu's selection: keys come after the echo.
  return WaitFor([this] { return !VisibleMenus(program_.Id()).empty(); }) && WaitForInputToRest();
}

bool TSoakedCalendar::PressInMenu(const std::vector<WORD>& keys, TShownMonth shown) {
  for (WORD key : keys) PressKey(key);
  if (!WaitForMenusGone(program_.Id(), window_)) return false;
  const bool changes = shown != shown_;
  shown_ = shown;
  return WaitForPicture(
             window_, [this, changes](const std::vector<std::uint32_t>& now) { return (now != before_) == changes; }) &&
         GetForegroundWindow() == window_;
}

}  // namespace soak
