// The tab control and tab set skinners on a real library form under Wine:
// attached by the frame skinner's control walk, the tabs at every side read
// back in pixels. The test tab picture has five frames, each with an outer
// half (the picture's top rows) and an inner half of their own colours.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "bmp_builder.h"
#include "painted_face.h"
#include "skin/data/skin_archive_writer.h"
#include "skin/data/skin_stream.h"
#include "skin/engine/controls/skin_tab.h"
#include "skin/engine/controls/skin_tab31.h"
#include "skin/engine/controls/skin_up_down.h"
#include "skinned_form_fixture.h"
#include "ui/controls/tab_control.h"
#include "ui/controls/tab_set.h"

namespace skin {
namespace {

using ui::TTabPosition;

constexpr COLORREF kFace = RGB(200, 200, 200), kBorder = RGB(0, 90, 90);
constexpr int kCell = 10;

COLORREF Outer(int frame) { return RGB(40 * frame, 200, 0); }
COLORREF Inner(int frame) { return RGB(40 * frame, 100, 0); }

std::vector<std::uint8_t> TestSkin(bool border) {
  std::string ini =
      "[TitlebarSkin]\r\nSkinName=Test\r\n[Colours]\r\nButtonFace=200 200 200\r\n"
      "[Tabs]\r\nImage=tab.bmp\r\nTrans=0\r\nTile=0\r\nNormalColour2=0 0 255\r\nMouseOverColour2=255 0 255\r\n";
  if (border) ini += "Border=border.bmp\r\n";
  return WriteSkinStream(ComposeSkinArchive({
      {"tab.bmp",
       skintest::Bmp24(5 * kCell, kCell,
                       [](int x, int y) { return y < kCell / 2 ? Outer(x / kCell + 1) : Inner(x / kCell + 1); })},
      {"border.bmp", skintest::Bmp24(12, 12, [](int, int) { return kBorder; })},
      {"test.ini", std::vector<std::uint8_t>(ini.begin(), ini.end())},
  }));
}

// The pictures have no blue; the captions do: blue for a normal tab, magenta
// for the focused one (smoothed text blends into the picture).
// Caption pixels in the area: those of the normal caption colour (blue) or of
// the focused one (blue with strong red).
int CaptionPixels(const TFace& face, const RECT& area, bool focused) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) {
      const COLORREF pixel = face.Pixel(x, y);
      const bool strongRed = GetRValue(pixel) > 150;
      count += GetBValue(pixel) > 100 && strongRed == focused;
    }
  return count;
}

class TabSkinsTest : public SkinnedFormTest {
 protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    form->SetBounds(100, 100, 700, 300);
    const TTabPosition sides[] = {TTabPosition::tpTop, TTabPosition::tpBottom, TTabPosition::tpLeft,
                                  TTabPosition::tpRight};
    // Wide enough for all their tabs (a tab is at least 54 pixels wide).
    const int lefts[] = {10, 220, 430, 565}, widths[] = {200, 200, 125, 125};
    for (int i = 0; i < 4; ++i) {
      auto* tabs = new ui::TTabControl(form.get());
      tabs->SetBounds(lefts[i], 10, widths[i], 130);
      for (const char* caption : {"One", "Two", "Three"}) tabs->AddTab(caption);
      tabs->SetTabIndex(1);
      tabs->SetTabPosition(sides[i]);
      tabs->SetParent(form.get());
      tabControls.push_back(tabs);
    }
    crowded = new ui::TTabControl(form.get());
    crowded->SetBounds(10, 150, 120, 80);
    for (int i = 0; i < 8; ++i) crowded->AddTab("Tab " + std::to_string(i));
    crowded->SetParent(form.get());
    tabSet = Place(new ui::TTabSet(form.get()), 150, 150, 200, 21);
    for (const char* caption : {"One", "A caption far too long for the tab set", "Two"}) tabSet->AddTab(caption);
    tabSet->SetTabIndex(2);
    ShowForm();
  }

  void Skin(bool border) {
    data->ReadSkinStream(TestSkin(border));
    ASSERT_FALSE(data->SkinEmpty());
    AttachFrameSkinner();
  }

  // Where the skinner draws a tab: one pixel towards the page on the top and
  // bottom, one pixel up on the right.
  static RECT Landed(ui::TTabControl& tabs, int index) {
    RECT rect{};
    SendMessageW(tabs.Handle(), TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
    const TTabPosition side = tabs.TabPosition();
    OffsetRect(&rect, 0, side == TTabPosition::tpTop ? 1 : side == TTabPosition::tpLeft ? 0 : -1);
    return rect;
  }
  // A point `depth` of the way from the tab's outer edge to its inner one, 3
  // pixels along from its start (clear of the caption).
  static POINT InTab(const RECT& tab, TTabPosition side, double depth) {
    const int across =
        static_cast<int>(depth * (side <= TTabPosition::tpBottom ? tab.bottom - tab.top : tab.right - tab.left));
    switch (side) {
      case TTabPosition::tpTop:
        return {tab.left + 3, tab.top + across};
      case TTabPosition::tpBottom:
        return {tab.left + 3, tab.bottom - 1 - across};
      case TTabPosition::tpLeft:
        return {tab.left + across, tab.top + 3};
      default:
        return {tab.right - 1 - across, tab.top + 3};
    }
  }

  std::vector<ui::TTabControl*> tabControls;
  ui::TTabControl* crowded = nullptr;
  ui::TTabSet* tabSet = nullptr;
};

TEST_F(TabSkinsTest, TabsAtEverySideShowThePictureTurnedOutwardsTheFocusedTabInFrameTwoAndThePageBorder) {
  Skin(true);
  for (ui::TTabControl* tabs : tabControls) {
    const TTabPosition side = tabs->TabPosition();
    SCOPED_TRACE(static_cast<int>(side));
    ASSERT_NE(dynamic_cast<TSkinTab*>(skinner->ControlSkinners().FindByWindow(tabs->Handle())), nullptr);
    const auto face = PaintedFace(tabs->Handle());
    for (int i = 0; i < 3; ++i) {
      SCOPED_TRACE(i);
      const int frame = i == 1 ? 2 : 1;
      const RECT tab = Landed(*tabs, i);
      const POINT outer = InTab(tab, side, 0.2), inner = InTab(tab, side, 0.65);
      EXPECT_EQ(face->Pixel(outer.x, outer.y), Outer(frame));
      EXPECT_EQ(face->Pixel(inner.x, inner.y), Inner(frame));
      // The caption in the tab's own colour.
      EXPECT_GT(CaptionPixels(*face, tab, frame == 2), 0);
      EXPECT_EQ(CaptionPixels(*face, tab, frame != 2), 0);
    }
    // The page border's edge 4 pixels outside the page area; the page itself is the control's.
    const RECT page = tabs->DisplayRect();
    const int middleX = (page.left + page.right) / 2, middleY = (page.top + page.bottom) / 2;
    const POINT edge = side == TTabPosition::tpLeft || side == TTabPosition::tpRight ? POINT{middleX, page.bottom + 2}
                                                                                     : POINT{page.left - 2, middleY};
    EXPECT_EQ(face->Pixel(edge.x, edge.y), kBorder);
    EXPECT_NE(face->Pixel(middleX, middleY), kBorder);
  }

  // Without a border picture the tabs are still drawn, the page border is the control's.
  data->ReadSkinStream(TestSkin(false));
  skinner->RefreshSkin();
  const auto face = PaintedFace(tabControls[0]->Handle());
  const POINT outer = InTab(Landed(*tabControls[0], 0), TTabPosition::tpTop, 0.2);
  EXPECT_EQ(face->Pixel(outer.x, outer.y), Outer(1));
  const RECT page = tabControls[0]->DisplayRect();
  EXPECT_NE(face->Pixel(page.left - 2, (page.top + page.bottom) / 2), kBorder);
}

TEST_F(TabSkinsTest, ScrollArrowsKeepTheirOwnSkinnerAndTheStripIsNotPaintedOverThem) {
  Skin(true);
  RedrawWindow(crowded->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const HWND arrows = FindWindowExW(crowded->Handle(), nullptr, UPDOWN_CLASSW, nullptr);
  ASSERT_NE(arrows, nullptr);
  ASSERT_TRUE(IsWindowVisible(arrows));
  EXPECT_NE(dynamic_cast<TSkinUpDown*>(skinner->ControlSkinners().FindByWindow(arrows)), nullptr);
  const std::size_t count = skinner->ControlSkinners().Count();
  const auto face = PaintedFace(crowded->Handle());
  EXPECT_EQ(skinner->ControlSkinners().Count(), count) << "skinned once";
  RECT under{};
  GetWindowRect(arrows, &under);
  MapWindowPoints(nullptr, crowded->Handle(), reinterpret_cast<POINT*>(&under), 2);
  for (const COLORREF tab : {Outer(1), Inner(1), Outer(2), Inner(2)}) EXPECT_EQ(face->CountOf(tab, under), 0);
  // Left of the arrows the strip is drawn.
  const POINT outer = InTab(Landed(*crowded, 0), TTabPosition::tpTop, 0.2);
  EXPECT_EQ(face->Pixel(outer.x, outer.y), Outer(2)) << "the first tab is selected";
}

TEST_F(TabSkinsTest, TabSetHangsThePictureUpsideDownAndLeavesOutTheTabThatDoesNotFit) {
  Skin(true);
  ASSERT_NE(dynamic_cast<TSkinTab31*>(skinner->ControlSkinners().FindByWindow(tabSet->Handle())), nullptr);
  const std::vector<RECT> tabs = tabSet->TabRects();
  ASSERT_TRUE(IsRectEmpty(&tabs[1]));
  const auto face = PaintedFace(tabSet->Handle());
  for (const int i : {0, 2}) {
    const int frame = i == 2 ? 2 : 1;
    EXPECT_EQ(face->Pixel(tabs[i].left + 2, 18), Outer(frame)) << i << ": the outer edge hangs at the bottom";
    EXPECT_EQ(face->Pixel(tabs[i].left + 2, 2), Inner(frame)) << i;
    EXPECT_GT(CaptionPixels(*face, tabs[i], frame == 2), 0) << i;
    EXPECT_EQ(CaptionPixels(*face, tabs[i], frame != 2), 0) << i;
  }
  EXPECT_EQ(face->Pixel(tabs[2].right + 2, 10), kFace) << "nothing after the last tab that fits";
}

// Repainted again and again, a tab control never shows the system's look on
// the screen: another thread reads a tab's pixel from the screen meanwhile.
TEST_F(TabSkinsTest, RepaintingNeverShowsTheSystemsLookOnTheScreen) {
  Skin(true);
  ui::TTabControl& tabs = *tabControls[0];
  POINT point = InTab(Landed(tabs, 0), tabs.TabPosition(), 0.25);
  ClientToScreen(tabs.Handle(), &point);
  UpdateWindow(tabs.Handle());
  std::atomic<bool> done = false;
  int captures = 0, systemLooks = 0;
  std::thread reader([&] {
    const HDC screen = GetDC(nullptr);
    while (!done) {
      const COLORREF pixel = GetPixel(screen, point.x, point.y);
      ++captures;
      systemLooks += pixel != Outer(1);
    }
    ReleaseDC(nullptr, screen);
  });
  for (int round = 0; round < 60; ++round)
    RedrawWindow(tabs.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  done = true;
  reader.join();
  EXPECT_GT(captures, 20);
  EXPECT_EQ(systemLooks, 0) << "of " << captures;
}

}  // namespace
}  // namespace skin
