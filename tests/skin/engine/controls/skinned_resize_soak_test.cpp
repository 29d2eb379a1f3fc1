// A skinned form full of scroll bars and tabs resized again and again under Wine
// (60 times in the suite, 500 in a long soak):
// every resize repaints the skinned bars, strips and page borders, and the
// GDI objects and windows the process holds come back to where they were.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>

#include "gui_object_counts.h"
#include "skinned_form_fixture.h"
#include "tests/soak/soak_length.h"
#include "ui/controls/memo.h"
#include "ui/controls/page_control.h"
#include "ui/controls/scroll_bar.h"
#include "ui/controls/tab_control.h"
#include "ui/controls/tab_sheet.h"

namespace skin {
namespace {

using test_support::GuiObjectCounts;

// Any object a resize leaks shows after a few; a long soak also shows what a
// few hundred resizes do to Wine.
int Resizes() { return soak::LongSoak() ? 500 : 60; }

class SkinnedResizeSoakTest : public SkinnedFormTest {
 protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    data->SetSkinFile(RILVANTA_DEFAULT_SKIN);
    data->SetSkin3rd({"TScrollBar=scrollbar"});
    memo = Place(new ui::TMemo(form.get()), 0, 0, 10, 10);
    memo->SetScrollBars(ui::TScrollStyle::ssBoth);
    memo->SetWordWrap(false);
    std::string lines;
    for (int line = 0; line < 60; ++line) lines += "A line long enough to need the horizontal scroll bar as well\r\n";
    memo->SetCaption(lines);
    tabs = Place(new ui::TTabControl(form.get()), 0, 0, 10, 10);
    for (const char* caption : {"One", "Two", "Three", "Four", "Five", "Six"}) tabs->AddTab(caption);
    pages = Place(new ui::TPageControl(form.get()), 0, 0, 10, 10);
    for (const char* caption : {"First", "Second"}) {
      auto* sheet = new ui::TTabSheet(form.get());
      sheet->SetPageControl(pages);
      sheet->SetCaption(caption);
    }
    bar = Place(new ui::TScrollBar(form.get()), 0, 0, 10, 10);
  }

  // The form at `width` × `height`, its controls sharing it out, painted.
  void Resize(int width, int height) {
    form->SetBounds(100, 100, width, height);
    const int half = width / 2, barHeight = 17;
    memo->SetBounds(0, 0, half, height - barHeight);
    tabs->SetBounds(half, 0, width - half, height / 2);
    pages->SetBounds(half, height / 2, width - half, height - height / 2 - barHeight);
    bar->SetBounds(0, height - barHeight, width, barHeight);
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }

  ui::TMemo* memo = nullptr;
  ui::TTabControl* tabs = nullptr;
  ui::TPageControl* pages = nullptr;
  ui::TScrollBar* bar = nullptr;
};

TEST_F(SkinnedResizeSoakTest, ResizingScrollBarsAndTabsLeavesTheObjectCountsWhereTheyWere) {
  ShowForm();
  AttachFrameSkinner();
  ASSERT_FALSE(data->SkinEmpty());
  for (HWND window : {memo->Handle(), tabs->Handle(), pages->Handle(), bar->Handle()})
    ASSERT_NE(skinner->ControlSkinners().FindByWindow(window), nullptr);
  const auto size = [](int index) { return index % 2 ? SIZE{420, 260} : SIZE{560 + index % 7 * 20, 380}; };
  // A few rounds first make what Wine and the skinners keep for good.
  for (int index = 0; index < 20; ++index) Resize(size(index).cx, size(index).cy);
  const std::optional<GuiObjectCounts> before = test_support::ReadGuiObjectCounts(GetCurrentProcessId());
  ASSERT_TRUE(before);
  for (int index = 0; index < Resizes(); ++index) Resize(size(index).cx, size(index).cy);
  const std::optional<GuiObjectCounts> after = test_support::ReadGuiObjectCounts(GetCurrentProcessId());
  ASSERT_TRUE(after);
  EXPECT_EQ(after->gdiByType, before->gdiByType)
      << "before: " << test_support::Describe(*before) << "\nafter: " << test_support::Describe(*after);
  EXPECT_EQ(after->windows, before->windows);
}

}  // namespace
}  // namespace skin
