// Popup menus shown for real, driven with keys from inside the menu loop.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "text/gbk.h"
#include "ui/graphics/image_list.h"
#include "ui/menus/popup_menu.h"
#include "ui_test_support.h"

namespace {

// Keys to press, one per timer tick, once the menu is open.
std::vector<WPARAM> pendingKeys;

void CALLBACK PressNextKey(HWND, UINT, UINT_PTR id, DWORD) {
  HWND menuWindow = FindWindowW(L"#32768", nullptr);
  if (!menuWindow || !IsWindowVisible(menuWindow)) return;
  if (pendingKeys.empty()) {
    KillTimer(nullptr, id);
    EndMenu();
    return;
  }
  PostMessageW(menuWindow, WM_KEYDOWN, pendingKeys.front(), 0);
  pendingKeys.erase(pendingKeys.begin());
}

class PopupMenus : public ui_test::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    menu = new ui::TPopupMenu(form);
    menu->TrackButton = ui::TTrackButton::tbLeftButton;
  }
  ui::TMenuItem* AddItem(ui::TMenuItem* parent, const std::string& caption, int tag) {
    auto* item = new ui::TMenuItem(form);
    item->SetCaption(caption);
    item->SetTag(tag);
    item->OnClick = [this](ui::TComponent* sender) { chosen.push_back(sender->Tag()); };
    parent->Add(item);
    return item;
  }
  // Opens the menu and presses the keys (Enter chooses, none at all closes it).
  void PopupWithKeys(std::vector<WPARAM> keys) {
    pendingKeys = std::move(keys);
    const UINT_PTR timer = SetTimer(nullptr, 0, 40, PressNextKey);
    menu->Popup(120, 120, form->MenuOwnerWindow());
    KillTimer(nullptr, timer);
  }
  ui::TPopupMenu* menu = nullptr;
  std::vector<int> chosen;
};

TEST_F(PopupMenus, ItemsBecomeASystemMenuWithCaptionsAndSubmenus) {
  AddItem(menu->Items(), "\xD2\xBB\xD4\xC2", 1);  // 一月
  ui::TMenuItem* group = AddItem(menu->Items(), "1900", 0);
  ui::TMenuItem* year = AddItem(group, "1901", 1901);
  AddItem(menu->Items(), "hidden", 3)->SetVisible(false);
  const HMENU handle = menu->Handle();
  ASSERT_EQ(GetMenuItemCount(handle), 2);
  wchar_t text[32];
  GetMenuStringW(handle, 0, text, 32, MF_BYPOSITION);
  EXPECT_EQ(text::WideToGbk(text), "\xD2\xBB\xD4\xC2");
  EXPECT_EQ(GetSubMenu(handle, 1), group->Handle());
  EXPECT_EQ(GetMenuItemID(group->Handle(), 0), year->Command());
  EXPECT_EQ(ui::TMenuItem::FindByCommand(year->Command()), year);
  EXPECT_EQ(year->GetParentMenu(), menu);

  year->SetCaption("1902");
  GetMenuStringW(menu->Items()->Items(1)->Handle(), 0, text, 32, MF_BYPOSITION);
  EXPECT_STREQ(text, L"1902") << "a change rebuilds the system menu";
}

TEST_F(PopupMenus, ChosenItemClicksAfterTheMenuClosesAndTheFormKeepsActivation) {
  AddItem(menu->Items(), "first", 1);
  AddItem(menu->Items(), "second", 2);
  int deactivations = 0;
  form->OnDeactivate = [&](ui::TComponent*) { ++deactivations; };
  ASSERT_EQ(GetActiveWindow(), form->Handle());
  PopupWithKeys({VK_DOWN, VK_DOWN, VK_RETURN});
  EXPECT_EQ(chosen, std::vector<int>{2});
  Pump();
  EXPECT_EQ(deactivations, 0);
  PopupWithKeys({});
  EXPECT_EQ(chosen, std::vector<int>{2}) << "closed without a choice";
}

TEST_F(PopupMenus, SubItemsAreChosenThroughTheirGroup) {
  AddItem(menu->Items(), "1890", 0);
  ui::TMenuItem* group = AddItem(menu->Items(), "1900", 0);
  AddItem(group, "1901", 1901);
  AddItem(group, "1902", 1902);
  PopupWithKeys({VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN});
  EXPECT_EQ(chosen, std::vector<int>{1902});
}

TEST_F(PopupMenus, OwnerDrawnItemsAreMeasuredFromTheDefaultSizeAndDrawnWithTheirState) {
  menu->SetOwnerDraw(true);
  ui::TMenuItem* first = AddItem(menu->Items(), "first", 1);
  AddItem(menu->Items(), "-", 0);
  ui::TMenuItem* second = AddItem(menu->Items(), "second item", 2);
  std::vector<std::pair<int, int>> defaults;
  struct TDrawn {
    ui::TMenuItem* Item;
    RECT Rect;
    bool Selected;
  };
  std::vector<TDrawn> drawn;
  for (int i = 0; i < menu->Items()->Count(); ++i) {
    ui::TMenuItem* item = menu->Items()->Items(i);
    item->OnMeasureItem = [&](ui::TMenuItem*, ui::TCanvas&, int& width, int& height) {
      defaults.emplace_back(width, height);
      width += 35;
    };
    item->OnDrawItem = [&](ui::TMenuItem* sender, ui::TCanvas& canvas, RECT rect, bool selected) {
      drawn.push_back({sender, rect, selected});
      canvas.Brush.Color = selected ? clHighlight : clMenu;
      canvas.FillRect(rect);
    };
  }
  PopupWithKeys({VK_DOWN, VK_DOWN, VK_RETURN});
  EXPECT_EQ(chosen, std::vector<int>{2});
  ASSERT_EQ(defaults.size(), 3u);
  EXPECT_GT(defaults[2].first, defaults[0].first) << "the longer caption has the wider default";
  EXPECT_GT(defaults[0].second, defaults[1].second) << "a separator is lower than an item";
  auto selectedDraw = [&](ui::TMenuItem* item) {
    return std::any_of(drawn.begin(), drawn.end(), [&](const TDrawn& d) { return d.Item == item && d.Selected; });
  };
  EXPECT_TRUE(selectedDraw(first));
  EXPECT_TRUE(selectedDraw(second));
  const auto plain = std::find_if(drawn.begin(), drawn.end(), [&](const TDrawn& d) { return d.Item == second; });
  ASSERT_NE(plain, drawn.end());
  EXPECT_GE(plain->Rect.right - plain->Rect.left, defaults[2].first + 35) << "the widened size was used";
  EXPECT_GT(plain->Rect.top, 0) << "rectangles are in the menu's client area, item by item";
}

TEST_F(PopupMenus, OwnerDrawnItemsAreServedWhenAFormTracksTheMenuItself) {
  menu->SetOwnerDraw(true);
  ui::TMenuItem* item = AddItem(menu->Items(), "item", 1);
  int measured = 0, drawn = 0;
  item->OnMeasureItem = [&](ui::TMenuItem*, ui::TCanvas&, int&, int&) { ++measured; };
  item->OnDrawItem = [&](ui::TMenuItem*, ui::TCanvas&, RECT, bool) { ++drawn; };
  pendingKeys = {VK_DOWN, VK_RETURN};
  const UINT_PTR timer = SetTimer(nullptr, 0, 40, PressNextKey);
  const UINT command = TrackPopupMenuEx(menu->Handle(), TPM_RETURNCMD, 120, 120, form->Handle(), nullptr);
  KillTimer(nullptr, timer);
  EXPECT_EQ(command, item->Command());
  EXPECT_EQ(measured, 1);
  EXPECT_GE(drawn, 1);
}

TEST_F(PopupMenus, RightToLeftRequestHoldsOnlyUnderARightToLeftLocale) {
  menu->SetBiDiMode(ui::TBiDiMode::bdRightToLeft);
  AddItem(menu->Items(), "item", 1);
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE;
  GetMenuItemInfoW(menu->Handle(), 0, TRUE, &info);
  const bool rightToLeftLocale = GetSystemMetrics(SM_MIDEASTENABLED) != 0;
  EXPECT_EQ(menu->IsRightToLeft(), rightToLeftLocale);
  EXPECT_EQ((info.fType & MFT_RIGHTORDER) != 0, rightToLeftLocale);
  menu->SetBiDiMode(ui::TBiDiMode::bdLeftToRight);
  EXPECT_FALSE(menu->IsRightToLeft());
}

TEST_F(PopupMenus, ImageListDrawsItsImagesWithTheMaskColourLeftOut) {
  auto* images = new ui::TImageList(form, 4, 4);
  ui::TBitmap strip;
  strip.SetSize(8, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 8; ++x) strip.ScanLine(y)[x] = x == 1 || x == 6 ? 0xFF0000 : 0xFF00FF;  // red on magenta
  ASSERT_EQ(images->AddMasked(strip, clFuchsia), 0);
  ASSERT_EQ(images->Count(), 2);
  ui::TBitmap target;
  target.SetSize(4, 4);
  target.Canvas().Brush.Color = clWhite;
  target.Canvas().FillRect(RECT{0, 0, 4, 4});
  images->Draw(target.Canvas(), 0, 0, 1);
  EXPECT_EQ(target.Pixel(2, 1), 0x0000FFu);
  EXPECT_EQ(target.Pixel(0, 1), clWhite);
  menu->SetImages(images);
  delete images;
  EXPECT_EQ(menu->Images(), nullptr) << "the menu let go of the freed image list";
}

}  // namespace
