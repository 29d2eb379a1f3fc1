// Tab control, page control and tab set: what the library keeps reaches the
// windows, and what the user picks comes back as one OnChange.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "ui/controls/page_control.h"
#include "ui/controls/tab_control.h"
#include "ui/controls/tab_set.h"
#include "ui/controls/tab_sheet.h"
#include "ui/graphics/canvas.h"
#include "ui_test_support.h"

namespace {

class TabControls : public ui_test::FormTest {
 protected:
  // A click of the left button at a point of the control's window.
  static void Click(HWND window, POINT at) {
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  }
  static RECT TabRect(ui::TTabControl& tabs, int index) {
    RECT rect{};
    SendMessageW(tabs.Handle(), TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
    return rect;
  }
  static POINT Centre(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }
  static std::wstring WindowTab(ui::TTabControl& tabs, int index) {
    wchar_t text[64] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 63;
    SendMessageW(tabs.Handle(), TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
    return text;
  }
};

TEST_F(TabControls, TabControlKeepsItsTabsSideAndSelectionUntilItsWindowAndReportsOnlyTheUsersPick) {
  auto* tabs = new ui::TTabControl(form);
  tabs->SetBounds(10, 10, 260, 150);
  for (const char* caption : {"One", "Two", "Three"}) tabs->AddTab(caption);
  tabs->SetTabIndex(2);
  tabs->SetTabPosition(ui::TTabPosition::tpBottom);
  int changes = 0;
  tabs->OnChange = [&](ui::TComponent*) { ++changes; };
  EXPECT_FALSE(tabs->HandleAllocated());
  tabs->SetParent(panel);
  EXPECT_EQ(SendMessageW(tabs->Handle(), TCM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageW(tabs->Handle(), TCM_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(WindowTab(*tabs, 1), L"Two");
  EXPECT_LT(tabs->DisplayRect().bottom, TabRect(*tabs, 0).top) << "tabs below the page";

  Click(tabs->Handle(), Centre(TabRect(*tabs, 0)));
  EXPECT_EQ(tabs->TabIndex(), 0);
  EXPECT_EQ(changes, 1);
  tabs->SetTabIndex(1);
  EXPECT_EQ(changes, 1) << "set by the program";

  tabs->SetTabPosition(ui::TTabPosition::tpLeft);
  EXPECT_TRUE(GetWindowLongPtrW(tabs->Handle(), GWL_STYLE) & TCS_VERTICAL);
  EXPECT_GT(tabs->DisplayRect().left, TabRect(*tabs, 0).right - 1) << "tabs left of the page";
  tabs->DeleteTab(1);
  EXPECT_EQ(SendMessageW(tabs->Handle(), TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(WindowTab(*tabs, 1), L"Three");
}

TEST_F(TabControls, PageControlShowsTheSelectedTabsPageOverThePageArea) {
  auto* pages = new ui::TPageControl(form);
  pages->SetBounds(10, 10, 260, 150);
  pages->SetParent(panel);
  auto* first = new ui::TTabSheet(form);
  first->SetCaption("First");
  first->SetPageControl(pages);
  auto* second = new ui::TTabSheet(form);
  second->SetCaption("Second");
  second->SetPageControl(pages);
  int changes = 0;
  pages->OnChange = [&](ui::TComponent*) { ++changes; };

  ASSERT_EQ(pages->PageCount(), 2);
  EXPECT_EQ(pages->ActivePage(), first);
  EXPECT_TRUE(IsWindowVisible(first->Handle()));
  EXPECT_FALSE(IsWindowVisible(second->Handle()));
  const RECT area = pages->DisplayRect();
  EXPECT_EQ(first->BoundsRect().top, area.top);
  EXPECT_EQ(first->Width(), area.right - area.left);

  Click(pages->Handle(), Centre(TabRect(*pages, 1)));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(pages->ActivePage(), second);
  EXPECT_TRUE(IsWindowVisible(second->Handle()));
  EXPECT_FALSE(IsWindowVisible(first->Handle()));
  EXPECT_EQ(second->BoundsRect().left, area.left);

  second->SetCaption("Renamed");
  EXPECT_EQ(WindowTab(*pages, 1), L"Renamed");
  delete first;
  ASSERT_EQ(pages->PageCount(), 1);
  EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 1);
  EXPECT_EQ(WindowTab(*pages, 0), L"Renamed");
  EXPECT_EQ(pages->ActivePage(), second);
}

TEST_F(TabControls, TabSetSkipsATabCrossingTheEndMarginAndSelectsOnPress) {
  auto* tabSet = new ui::TTabSet(form);
  tabSet->SetBounds(10, 200, 150, 21);
  tabSet->SetParent(panel);
  for (const char* caption : {"Short", "A caption far too long to fit at all", "B"}) tabSet->AddTab(caption);
  int changes = 0;
  tabSet->OnChange = [&](ui::TComponent*) { ++changes; };
  ui::TCanvas canvas(GetDC(nullptr));
  canvas.Font.Assign(tabSet->Font());
  const int shortWidth = canvas.TextWidth("Short") + ui::TTabSet::kTabPadding;
  ReleaseDC(nullptr, canvas.Handle());

  std::vector<RECT> tabs = tabSet->TabRects();
  EXPECT_EQ(tabs[0].left, tabSet->StartMargin());
  EXPECT_EQ(tabs[0].right, tabSet->StartMargin() + shortWidth);
  EXPECT_TRUE(IsRectEmpty(&tabs[1])) << "it would cross the end margin";
  EXPECT_EQ(tabs[2].left, tabs[0].right) << "a later, narrower tab still shows";
  EXPECT_EQ(tabs[2].bottom, 21);

  EXPECT_EQ(tabSet->TabIndex(), 0);
  Click(tabSet->Handle(), Centre(tabs[2]));
  EXPECT_EQ(tabSet->TabIndex(), 2);
  Click(tabSet->Handle(), Centre(tabs[2]));
  EXPECT_EQ(changes, 1) << "the selected tab again is no change";

  tabSet->SetFirstIndex(2);
  tabs = tabSet->TabRects();
  EXPECT_TRUE(IsRectEmpty(&tabs[0])) << "scrolled away";
  EXPECT_EQ(tabs[2].left, tabSet->StartMargin());
}

}  // namespace
