// skinview.exe kept open while every kind of window it offers is opened and
// closed again and again, every page of controls shown, and its skin switched
// back and forth: the GDI objects and windows it holds come back to where they
// were, so attaching and detaching skinners leaks nothing.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <set>
#include <string>
#include <thread>

#include "gui_object_counts.h"
#include "soak_length.h"
#include "tests/window/running_program.h"

namespace soak {
namespace {

using namespace std::chrono_literals;
using test_support::GuiObjectCounts;
using window_test::WaitFor;
using window_test::WindowText;

// A menu item chosen by its menu's and its own access keys.
struct TMenuKeys {
  wchar_t menu;
  wchar_t item;
};
// The window kinds of the gallery's Windows menu: dialog, system dialog,
// message box, tool window, MDI window, right-to-left window, bare Win32 window.
constexpr TMenuKeys kWindowKinds[] = {{L'w', L'd'}, {L'w', L's'}, {L'w', L'm'}, {L'w', L't'},
                                      {L'w', L'i'}, {L'w', L'r'}, {L'w', L'b'}};
// The pages of the Controls menu, each shown once, from the second back to the first.
constexpr wchar_t kPages[] = {L'k', L'c', L'e', L'l', L'p', L'r', L's', L'a', L't', L'u', L'b'};
constexpr TMenuKeys kDefaultSkin{L's', L'd'};
constexpr TMenuKeys kDarkSkin{L's', L'k'};
// Longer than the skin manager's delay before it applies a new skin.
constexpr auto kSkinApplied = 400ms;
// Wine fills some caches of its own only when a rare moment first asks for
// them: a display device context when more are out at once than ever before
// (a DC, its region and its attributes), a system colour's brush or pen the
// first time a control draws with it. Such a fill comes once; a leak comes
// back every time the same work is done. So the work is done twice, and the
// counts may grow by more than this in one of the two blocks, never in both.
constexpr int kGdiSlack = 4;
constexpr int kMostWarmingRounds = 12;

// How many rounds the soak makes: it warms up for at least `LeastWarming`
// rounds, until `UnchangedWarming` rounds in a row leave the counts as they
// were, then makes two blocks of `Block` rounds. In the test suite one round
// warms up and a block is one round: a leak of more than kGdiSlack objects a
// round shows in both blocks. The long soak's blocks show a single object a
// round.
struct TSoakRounds {
  int LeastWarming;
  int UnchangedWarming;
  int Block;
};
constexpr TSoakRounds kSuiteRounds{1, 0, 1};
constexpr TSoakRounds kLongRounds{5, 2, kGdiSlack + 1};

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

class TSoakedGallery {
 public:
  TSoakedGallery() : program_(window_test::WinePath(SKINVIEW_EXE)) {
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
  bool OpenAndClose(TMenuKeys item) {
    const std::set<HWND> before = ShownWindows(program_.Id());
    HWND opened = nullptr;
    if (!window_test::ChooseMenuItemUntil(window_, item.menu, item.item, [&] {
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

  // Shows a page of controls and waits until another page than before is shown.
  bool ShowPage(wchar_t key) {
    const HWND before = ShownPage();
    if (window_test::ChooseMenuItemUntil(window_, L'c', key, [&] { return ShownPage() != before; })) return true;
    std::printf("page %lc was not shown\n", key);
    return false;
  }

  // Chooses a built-in skin and waits until the caption names it and the
  // skin manager has had time to apply it.
  bool SwitchSkin(TMenuKeys item) {
    const std::wstring caption = WindowText(window_);
    if (!window_test::ChooseMenuItemUntil(window_, item.menu, item.item,
                                          [&] { return WindowText(window_) != caption; }))
      return false;
    std::this_thread::sleep_for(kSkinApplied);
    return true;
  }

 private:
  HWND ShownPage() const {
    for (HWND page = FindWindowExW(window_, nullptr, L"TControlPage", nullptr); page;
         page = FindWindowExW(window_, page, L"TControlPage", nullptr))
      if (IsWindowVisible(page)) return page;
    return nullptr;
  }

  window_test::TProgram program_;
  HWND window_ = nullptr;
};

void Report(const char* when, const GuiObjectCounts& counts) {
  std::printf("gallery, %s: %s\n", when, test_support::Describe(counts).c_str());
}

TEST(GallerySoak, EveryWindowKindOpenedAndClosedAndEveryPageShownInBothSkinsLeaveTheCountsWhereTheyWere) {
  TSoakedGallery gallery;
  ASSERT_TRUE(gallery.Started());
  // Every window kind opened and closed, then every page shown and the skin
  // switched to the dark one and back while it is shown (22 switches).
  const auto round = [&gallery] {
    for (TMenuKeys kind : kWindowKinds)
      if (!gallery.OpenAndClose(kind)) return testing::AssertionFailure() << "window kind " << char(kind.item);
    for (wchar_t page : kPages) {
      if (!gallery.ShowPage(page)) return testing::AssertionFailure() << "page " << char(page);
      for (TMenuKeys skin : {kDarkSkin, kDefaultSkin})
        if (!gallery.SwitchSkin(skin)) return testing::AssertionFailure() << "skin switch on page " << char(page);
    }
    return testing::AssertionSuccess();
  };
  // The first round fills what the pages' controls keep in both skins.
  // Wine's cache of display device contexts may still grow by a few once,
  // in the fourth round or later; the long soak warms up past it.
  const TSoakRounds rounds = LongSoak() ? kLongRounds : kSuiteRounds;
  std::optional<GuiObjectCounts> warm;
  for (int index = 0, unchanged = 0;
       index < kMostWarmingRounds && (index < rounds.LeastWarming || unchanged < rounds.UnchangedWarming); ++index) {
    ASSERT_TRUE(round());
    const std::optional<GuiObjectCounts> counts = test_support::SettledGuiObjectCounts(gallery.Id());
    ASSERT_TRUE(counts);
    Report("a warming round", *counts);
    const bool same = warm && counts->GdiTotal() == warm->GdiTotal() && counts->windows == warm->windows;
    unchanged = same ? unchanged + 1 : 0;
    warm = counts;
  }
  Report("warmed up", *warm);

  // A block of rounds (22 skin switches each); `counts` what is left after it.
  const auto block = [&](const char* name, std::optional<GuiObjectCounts>& counts) {
    for (int index = 0; index < rounds.Block; ++index) ASSERT_TRUE(round());
    counts = test_support::SettledGuiObjectCounts(gallery.Id());
    ASSERT_TRUE(counts);
    Report(name, *counts);
  };
  std::optional<GuiObjectCounts> first, second;
  ASSERT_NO_FATAL_FAILURE(block("after a block of rounds", first));
  ASSERT_NO_FATAL_FAILURE(block("after the same again", second));
  EXPECT_EQ(first->windows, warm->windows);
  EXPECT_EQ(second->windows, warm->windows);
  const int firstGrowth = first->GdiTotal() - warm->GdiTotal();
  const int secondGrowth = second->GdiTotal() - first->GdiTotal();
  EXPECT_LE(std::min(firstGrowth, secondGrowth), kGdiSlack)
      << "GDI objects grew by " << firstGrowth << " and again by " << secondGrowth;
}

}  // namespace
}  // namespace soak
