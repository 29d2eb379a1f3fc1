// skinview.exe kept open while every kind of window it offers is opened and
// closed again and again, and its skin switched back and forth: the GDI
// objects and windows it holds come back to where they were, so attaching
// and detaching skinners leaks nothing.

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <thread>

#include "gui_object_counts.h"
#include "tests/window/running_program.h"

namespace soak {
namespace {

using namespace std::chrono_literals;
using test_support::GuiObjectCounts;
using window_test::WindowText;

// A menu item chosen by its menu's and its own access keys.
struct MenuKeys {
  wchar_t menu;
  wchar_t item;
};
// The window kinds of the gallery's Windows menu: dialog, system dialog,
// message box, tool window, MDI window, bare Win32 window.
constexpr MenuKeys kWindowKinds[] = {{L'w', L'd'}, {L'w', L's'}, {L'w', L'm'},
                                     {L'w', L't'}, {L'w', L'i'}, {L'w', L'b'}};
constexpr MenuKeys kDefaultSkin{L's', L'd'};
constexpr MenuKeys kDarkSkin{L's', L'k'};
// Longer than the skin manager's delay before it applies a new skin.
constexpr auto kSkinApplied = 400ms;
constexpr int kGdiSlack = 4;

bool WaitFor(const std::function<bool()>& condition) {
  const auto deadline = std::chrono::steady_clock::now() + 20s;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(20ms);
  }
  return true;
}

std::wstring ClassName(HWND window) {
  wchar_t name[64] = L"";
  GetClassNameW(window, name, 64);
  return name;
}

// The shown top-level windows but menus, which come and go with each choice.
std::set<HWND> ShownWindows(DWORD processId) {
  std::set<HWND> shown;
  for (HWND window : window_test::TopLevelWindows(nullptr, processId))
    if (IsWindowVisible(window) && ClassName(window) != L"#32768") shown.insert(window);
  return shown;
}

class SoakedGallery {
 public:
  SoakedGallery() : program_(window_test::WinePath(SKINVIEW_EXE)) {
    window_ = window_test::WaitForWindow([this]() -> HWND {
      for (HWND window : window_test::TopLevelWindows(L"TSkinViewForm", program_.Id()))
        if (IsWindowVisible(window) && WindowText(window).starts_with(L"Skin Viewer - ")) return window;
      return nullptr;
    });
  }
  bool Started() const { return window_ != nullptr; }
  DWORD Id() const { return program_.Id(); }

  // Opens a kind of window from the menu and closes it as its user would:
  // a dialog with Cancel, any other window with its close command.
  bool OpenAndClose(MenuKeys item) {
    const std::set<HWND> before = ShownWindows(program_.Id());
    window_test::ChooseMenuItem(window_, item.menu, item.item);
    HWND opened = nullptr;
    if (!WaitFor([&] {
          for (HWND window : ShownWindows(program_.Id()))
            if (!before.contains(window)) opened = window;
          return opened != nullptr;
        })) {
      std::printf("%lc%lc opened no window\n", item.menu, item.item);
      return false;
    }
    const std::wstring className = ClassName(opened);
    if (className == L"#32770")
      PostMessageW(opened, WM_COMMAND, IDCANCEL, 0);
    else
      PostMessageW(opened, WM_CLOSE, 0, 0);
    if (WaitFor([&] { return ShownWindows(program_.Id()) == before; })) return true;
    std::printf("%lc%lc: the %ls window did not close\n", item.menu, item.item, className.c_str());
    return false;
  }

  // Chooses a built-in skin and waits until the caption names it and the
  // skin manager has had time to apply it.
  bool SwitchSkin(MenuKeys item) {
    const std::wstring caption = WindowText(window_);
    window_test::ChooseMenuItem(window_, item.menu, item.item);
    if (!WaitFor([&] { return WindowText(window_) != caption; })) return false;
    std::this_thread::sleep_for(kSkinApplied);
    return true;
  }

 private:
  window_test::Program program_;
  HWND window_ = nullptr;
};

void Report(const char* when, const GuiObjectCounts& counts) {
  std::printf("gallery, %s: %s\n", when, test_support::Describe(counts).c_str());
}

TEST(GallerySoak, EveryWindowKindOpenedAndClosedAndAHundredSkinSwitchesLeaveTheCountsWhereTheyWere) {
  SoakedGallery gallery;
  ASSERT_TRUE(gallery.Started());
  const auto round = [&gallery](int switches) {
    for (MenuKeys kind : kWindowKinds)
      if (!gallery.OpenAndClose(kind)) return testing::AssertionFailure() << "window kind " << char(kind.item);
    for (int index = 0; index < switches; ++index)
      if (!gallery.SwitchSkin(index % 2 == 0 ? kDarkSkin : kDefaultSkin))
        return testing::AssertionFailure() << "skin switch " << index;
    return testing::AssertionSuccess();
  };
  // The first rounds fill what Wine and the program cache for good (Wine's
  // cache of display device contexts grows by a few in the fourth round).
  for (int index = 0; index < 4; ++index) ASSERT_TRUE(round(2));
  const std::optional<GuiObjectCounts> warm = test_support::SettledGuiObjectCounts(gallery.Id());
  ASSERT_TRUE(warm);
  Report("after four rounds", *warm);

  for (int index = 0; index < 3; ++index) ASSERT_TRUE(round(0));
  ASSERT_TRUE(round(100));
  const std::optional<GuiObjectCounts> end = test_support::SettledGuiObjectCounts(gallery.Id());
  ASSERT_TRUE(end);
  Report("after four more rounds and 100 skin switches", *end);
  EXPECT_EQ(end->windows, warm->windows);
  EXPECT_LE(end->GdiTotal(), warm->GdiTotal() + kGdiSlack);
}

}  // namespace
}  // namespace soak
