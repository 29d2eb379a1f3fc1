// Skinned menus under Wine: real popup menus of a library form opened with
// real messages, their popup windows and items read back from the screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/component/skin_data.h"
#include "skin/engine/frame/form_skinner_factory.h"
#include "skin/engine/frame/win_skin_form.h"
#include "skin/engine/menus/menu_item_painter.h"
#include "skin/engine/menus/popup_skinner.h"
#include "skin/engine/menus/system_menu_popup.h"
#include "skin/engine/skin_manage.h"
#include "skin/engine/win32/skin_messages.h"
#include "skin_stream_without.h"
#include "ui/base/shortcut.h"
#include "ui/forms/form.h"
#include "ui/graphics/bitmap.h"
#include "ui/graphics/colour.h"
#include "ui/graphics/image_list.h"
#include "ui/menus/menu_item.h"
#include "ui/menus/popup_menu.h"

using namespace skin;

namespace {

COLORREF Rgb(TColour colour) { return ui::ColourToRgb(colour); }
COLORREF PictureColour(const TSkinBitmap& picture, int x, int y) { return Rgb(picture.Pixel(x, y)); }
COLORREF ScreenPixel(POINT point) {
  const HDC screen = GetDC(nullptr);
  const COLORREF pixel = GetPixel(screen, point.x, point.y);
  ReleaseDC(nullptr, screen);
  return pixel;
}

HWND ShownPopupWindow() {
  for (HWND popup = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); popup;
       popup = FindWindowExW(nullptr, popup, L"#32768", nullptr))
    if (IsWindowVisible(popup)) return popup;
  return nullptr;
}

// Steps run one by one, 200 ms apart, while a menu is open; the menu is ended after the last.
std::vector<std::function<void()>> theSteps;
void CALLBACK RunStep(HWND, UINT, UINT_PTR timer, DWORD) {
  if (theSteps.empty()) {
    KillTimer(nullptr, timer);
    EndMenu();
    return;
  }
  const std::function<void()> step = std::move(theSteps.front());
  theSteps.erase(theSteps.begin());
  step();
}

class SkinnedMenuTest : public testing::Test {
 protected:
  void SetUp() override {
    FreeSkinManager();
    TSkinManage& manager = CreateSkinManager();
    data = std::make_unique<TSkinData>(nullptr, ManagerRequests());
    data->SetSkinFile(RILVANTA_DEFAULT_SKIN);
    ASSERT_FALSE(data->SkinEmpty());
    manager.RegisterSkinData(data.get());

    form = std::make_unique<ui::TForm>(nullptr);
    form->SetBorderStyle(ui::TFormBorderStyle::bsNone);
    form->SetBounds(100, 100, 200, 100);
    menu = new ui::TPopupMenu(form.get());
    const char* captions[] = {"&Normal", "Checked", "Disabled", "-", "&", "Save"};
    for (const char* caption : captions) {
      auto* item = new ui::TMenuItem(form.get());
      item->SetCaption(caption);
      menu->Items()->Add(item);
    }
    Item(1).SetChecked(true);
    Item(2).SetEnabled(false);
    Item(5).SetShortCut(ui::scCtrl | 'S');
    form->Show();
    SetForegroundWindow(form->Handle());
  }
  void TearDown() override {
    skinner.reset();
    form.reset();
    FreeSkinManager();
    data.reset();
  }

  ui::TMenuItem& Item(int index) const { return *menu->Items()->Items(index); }

  void Skin() {
    skinner.reset(
        static_cast<TWinSkinForm*>(CreateFormSkinner(form->Handle(), form.get(), *data, *SkinManager()).release()));
    ASSERT_NE(skinner, nullptr);
    SendMessageW(form->Handle(), SKM_ATTACHED, 0, kAttachedTag);
    // Menu popup windows get their skinners from the manager's hook.
    SkinManager()->InstallHook();
    SkinManager()->SetEnabled(true);
  }

  // Opens the menu at (300, 300); `steps` run while it is open.
  void PopupWith(std::vector<std::function<void()>> steps) {
    theSteps = std::move(steps);
    SetTimer(nullptr, 0, 200, RunStep);
    SetCursorPos(0, 0);  // the virtual display draws the cursor into its picture
    menu->Popup(300, 300, form->MenuOwnerWindow());
  }

  // The item's rectangle on the screen and in the popup window.
  static RECT ItemOnScreen(HWND popup, HMENU handle, int index) {
    RECT rect{};
    EXPECT_TRUE(GetMenuItemRect(popup, handle, index, &rect));
    return rect;
  }

  // A drawing of one item by the library's owner-draw path into a memory bitmap.
  void DrawItem(ui::TMenuItem& item, ui::TBitmap& target, bool selected) const {
    target.SetSize(120, 20);
    item.DrawItem(target.Canvas(), RECT{0, 0, 120, 20}, selected);
    target.Dormant();
  }

  std::unique_ptr<TSkinData> data;
  std::unique_ptr<ui::TForm> form;
  ui::TPopupMenu* menu = nullptr;
  std::unique_ptr<TWinSkinForm> skinner;
};

// The popup window's frame comes from the skin's menu background; each item
// lies over its own piece of it, the selected one under the skin's face;
// the separator shows the skin's separator image. With menu animation on and
// off, and when the system prints the window for an animation (WM_PRINT).
TEST_F(SkinnedMenuTest, PopupFrameAndItemsWearTheSkinWithAndWithoutMenuAnimation) {
  Skin();
  ASSERT_TRUE(menu->OwnerDraw());
  const TDataSkinObject& back = *data->Skin().MenuBackground;
  const TDataSkinObject& face = *data->Skin().MenuItem;
  const int fw = face.Bitmap.Width() / 5;
  BOOL animationWas = FALSE;
  SystemParametersInfoW(SPI_GETMENUANIMATION, 0, &animationWas, 0);
  for (const BOOL animation : {TRUE, FALSE}) {
    SCOPED_TRACE(animation ? "menu animation on" : "menu animation off");
    SystemParametersInfoW(SPI_SETMENUANIMATION, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(animation)), 0);
    HWND popup = nullptr;
    bool checked = false;
    PopupWith(
        {[&] { popup = ShownPopupWindow(); },
         [&] {
           ASSERT_NE(popup, nullptr);
           const HMENU handle = menu->Handle();
           const TPopupBackground* background = SkinManager()->FindPopupBackground(handle);
           ASSERT_NE(background, nullptr);  // the first item drawn named the menu
           EXPECT_EQ(SendMessageW(popup, SKM_QUERYSKINNED, 0, 0), kSkinnedAnswer);
           EXPECT_EQ(GetPixel(background->Bitmap.Dc(), 0, 0), PictureColour(back.Bitmap, 0, 0));
           RECT window{};
           GetWindowRect(popup, &window);
           const int h = window.bottom - window.top;
           const int bw = back.Bitmap.Width(), bh = back.Bitmap.Height();
           // The ring: corners and edges of the background picture.
           for (const POINT p : {POINT{0, 0}, POINT{1, 1}, POINT{2, 2}})
             EXPECT_EQ(ScreenPixel({window.left + p.x, window.top + p.y}), PictureColour(back.Bitmap, p.x, p.y));
           EXPECT_EQ(ScreenPixel({window.left + 1, window.top + h / 2}), PictureColour(back.Bitmap, 1, bh / 2));
           EXPECT_EQ(ScreenPixel({window.right - 1, window.bottom - 1}), PictureColour(back.Bitmap, bw - 1, bh - 1));
           EXPECT_EQ(ScreenPixel({window.right - 2, window.top + h / 2}), PictureColour(back.Bitmap, bw - 2, bh / 2));
           // An unselected item: the normal face is transparent, its piece of background shows.
           const RECT normal = ItemOnScreen(popup, handle, 0);
           const POINT inside{(normal.left + normal.right) / 2, normal.top + 1};
           EXPECT_EQ(ScreenPixel(inside),
                     GetPixel(background->Bitmap.Dc(), inside.x - window.left, inside.y - window.top));
           // The separator: the bottom rows of the separator image.
           const RECT line = ItemOnScreen(popup, handle, 3);
           const int lh = line.bottom - line.top;
           for (int y = 0; y < lh; ++y) {
             const COLORREF source = PictureColour(face.Bitmap, fw + fw / 2, face.Bitmap.Height() - lh + y);
             if (source == RGB(255, 0, 255)) continue;
             EXPECT_EQ(ScreenPixel({(line.left + line.right) / 2, line.top + y}), source) << "row " << y;
           }
           PostMessageW(popup, WM_KEYDOWN, VK_DOWN, 0);
         },
         [&] {
           // The selected item shows the selected face's top edge.
           const RECT selected = ItemOnScreen(popup, menu->Handle(), 0);
           EXPECT_EQ(ScreenPixel({(selected.left + selected.right) / 2, selected.top}),
                     PictureColour(face.Bitmap, 3 * fw + fw / 2, 0));
           // ... and the background where the face is transparent (its corner, when it is).
           const COLORREF corner = PictureColour(face.Bitmap, 3 * fw, 0);
           const TPopupBackground* background = SkinManager()->FindPopupBackground(menu->Handle());
           ASSERT_NE(background, nullptr);
           RECT window{};
           GetWindowRect(popup, &window);
           EXPECT_EQ(ScreenPixel({selected.left, selected.top}),
                     corner == RGB(255, 0, 255)
                         ? GetPixel(background->Bitmap.Dc(), selected.left - window.left, selected.top - window.top)
                         : corner);
           // Printed for an animation: the whole background first, the items inside the ring.
           ui::TBitmap printed;
           printed.SetSize(window.right - window.left, window.bottom - window.top);
           SendMessageW(popup, WM_PRINT, reinterpret_cast<WPARAM>(printed.Canvas().Handle()),
                        PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
           EXPECT_EQ(GetPixel(printed.Canvas().Handle(), 0, 0), PictureColour(back.Bitmap, 0, 0));
           EXPECT_EQ(GetPixel(printed.Canvas().Handle(), 1, 1), PictureColour(back.Bitmap, 1, 1));
           const POINT top{(selected.left + selected.right) / 2 - window.left, selected.top - window.top};
           EXPECT_EQ(GetPixel(printed.Canvas().Handle(), top.x, top.y), PictureColour(face.Bitmap, 3 * fw + fw / 2, 0));
           checked = true;
         }});
    EXPECT_TRUE(checked);
    EXPECT_EQ(SkinManager()->PopupSkinnerCount(), 0u);  // gone with its window
  }
  SystemParametersInfoW(SPI_SETMENUANIMATION, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(animationWas)), 0);
}

// A submenu open beside its menu: each popup window has its own skinner and
// background, and each item finds the background of the popup it lies in.
TEST_F(SkinnedMenuTest, ASubmenuAndItsMenuEachDrawOnTheirOwnBackground) {
  auto* sub = new ui::TMenuItem(form.get());
  sub->SetCaption("More");
  for (const char* caption : {"One", "Two"}) {
    auto* item = new ui::TMenuItem(form.get());
    item->SetCaption(caption);
    sub->Add(item);
  }
  menu->Items()->Insert(0, sub);
  Skin();
  const auto press = [](BYTE key) {
    keybd_event(key, 0, 0, 0);
    keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
  };
  bool checked = false;
  int highlightAtArrow = -1;
  PopupWith({[] {}, [&] { press(VK_DOWN); },
             [&] {
               // The selected item's submenu arrow stands on the skin's face, not on the system's highlight.
               RECT item{};
               ASSERT_TRUE(GetMenuItemRect(nullptr, menu->Handle(), 0, &item));
               highlightAtArrow = 0;
               for (int y = item.top; y < item.bottom; ++y)
                 for (int x = item.right - 24; x < item.right; ++x)
                   highlightAtArrow += ScreenPixel({x, y}) == GetSysColor(COLOR_HIGHLIGHT);
               press(VK_RIGHT);
             },
             [&] {
               EXPECT_EQ(SkinManager()->PopupSkinnerCount(), 2u);
               const TPopupBackground* outer = SkinManager()->FindPopupBackground(menu->Handle());
               const TPopupBackground* inner = SkinManager()->FindPopupBackground(sub->Handle());
               ASSERT_NE(outer, nullptr);
               ASSERT_NE(inner, nullptr);
               EXPECT_NE(outer, inner);
               // The submenu's unselected second item shows its own popup's background.
               RECT item{}, window{};
               ASSERT_TRUE(GetMenuItemRect(nullptr, sub->Handle(), 1, &item));
               const POINT inside{(item.left + item.right) / 2, item.top + 1};
               GetWindowRect(WindowFromPoint(inside), &window);
               EXPECT_EQ(ScreenPixel(inside),
                         GetPixel(inner->Bitmap.Dc(), inside.x - window.left, inside.y - window.top));
               checked = true;
             }});
  EXPECT_TRUE(checked);
  EXPECT_EQ(highlightAtArrow, 0);
}

// The frame skinner's system menu is drawn skinned, each item with its glyph
// among the skin's four (Close the fourth), in the menu's text colour.
TEST_F(SkinnedMenuTest, TheSystemMenuShowsTheSkinsGlyphs) {
  Skin();
  ui::TImageList& glyphs = data->SysMenuGlyphs();
  ASSERT_EQ(glyphs.Count(), 4);
  ui::TBitmap close;
  close.SetSize(glyphs.Width(), glyphs.Height());
  close.Canvas().Brush.Color = RgbColour(255, 0, 255);
  close.Canvas().FillRect(RECT{0, 0, close.Width(), close.Height()});
  glyphs.Draw(close.Canvas(), 0, 0, kSystemMenuClose);
  int compared = 0, mismatches = 0;
  theSteps = {[] {},
              [&] {
                const HWND popup = ShownPopupWindow();
                ASSERT_NE(popup, nullptr);
                const auto handle = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
                const RECT item = ItemOnScreen(popup, handle, GetMenuItemCount(handle) - 1);
                const POINT box{item.left + 1 + data->Skin().MenuItem->LeftWidth, item.top + 1};
                for (int y = 0; y < close.Height(); ++y)
                  for (int x = 0; x < close.Width(); ++x) {
                    const COLORREF wanted = GetPixel(close.Canvas().Handle(), x, y);
                    if (wanted == RGB(255, 0, 255)) continue;
                    ++compared;
                    mismatches += ScreenPixel({box.x + x, box.y + y}) != Rgb(data->Skin().MenuTextColour);
                  }
              }};
  SetTimer(nullptr, 0, 200, RunStep);
  SetCursorPos(0, 0);
  skinner->ShowSystemMenu(300, 300);
  EXPECT_GT(compared, 20);
  EXPECT_EQ(mismatches, 0);

  // Close names the key that closes.
  const std::unique_ptr<ui::TPopupMenu> popup = CreateSystemMenuPopup(TAllowedButtons{}, *data, nullptr, [](int) {});
  EXPECT_EQ(ui::ShortCutToText(popup->Items()->Items(popup->Items()->Count() - 1)->ShortCut()), "Alt+F4");
}

// Which menus and items are skinned, and what unskinning gives back.
TEST_F(SkinnedMenuTest, TaggedMenusAndOwnDrawingAreLeftAloneAndUnskinningTakesOnlyTheSkinsDrawing) {
  auto* tagged = new ui::TPopupMenu(form.get());
  tagged->SetTag(199);
  auto* taggedItem = new ui::TMenuItem(form.get());
  tagged->Items()->Add(taggedItem);
  int ownDrawn = 0, ownMeasured = 0;
  Item(0).OnDrawItem = [&](ui::TMenuItem*, ui::TCanvas&, RECT, bool) { ++ownDrawn; };
  Item(0).OnMeasureItem = [&](ui::TMenuItem*, ui::TCanvas&, int&, int&) { ++ownMeasured; };
  Skin();
  EXPECT_FALSE(tagged->OwnerDraw());
  EXPECT_FALSE(taggedItem->OnDrawItem);
  EXPECT_TRUE(menu->OwnerDraw());
  EXPECT_TRUE(Item(1).OnDrawItem);
  ui::TBitmap picture;
  DrawItem(Item(0), picture, false);
  EXPECT_EQ(ownDrawn, 1);

  // The skinned measure widens the library's size by the face margin and the image column.
  ui::TBitmap measuring;
  measuring.SetSize(1, 1);
  int plainWidth = 0, plainHeight = 0, skinnedWidth = 0, skinnedHeight = 0;
  const ui::TMenuMeasureItemEvent skinned = std::exchange(Item(1).OnMeasureItem, nullptr);
  Item(1).MeasureItem(measuring.Canvas(), plainWidth, plainHeight);
  Item(1).OnMeasureItem = skinned;
  Item(1).MeasureItem(measuring.Canvas(), skinnedWidth, skinnedHeight);
  EXPECT_EQ(skinnedWidth, plainWidth + data->Skin().MenuItem->LeftWidth + 35);
  EXPECT_EQ(skinnedHeight, plainHeight);

  skinner->Unskin();
  EXPECT_FALSE(menu->OwnerDraw());
  EXPECT_FALSE(Item(1).OnDrawItem);
  EXPECT_FALSE(Item(1).OnMeasureItem);
  ASSERT_TRUE(Item(0).OnDrawItem);
  ASSERT_TRUE(Item(0).OnMeasureItem);
  DrawItem(Item(0), picture, false);
  EXPECT_EQ(ownDrawn, 2);
}

// Caption colours: a disabled item is dimmed, selected or not, yet stays
// there. Captions are smoothed, so the darkest pixel tells the colour: the
// disabled caption lighter than the enabled one, darker than no caption.
TEST_F(SkinnedMenuTest, ADisabledCaptionIsDimmedYetShownEvenWhenSelected) {
  Skin();
  const auto sum = [](COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); };
  const auto darkest = [&](ui::TBitmap& picture) {
    int least = 3 * 255;
    for (int y = 4; y < picture.Height() - 4; ++y)  // inside the face's edges
      for (int x = 4; x < picture.Width() - 4; ++x)
        least = std::min(least, sum(GetPixel(picture.Canvas().Handle(), x, y)));
    return least;
  };
  for (const bool selected : {false, true}) {
    SCOPED_TRACE(selected ? "selected" : "not selected");
    ui::TBitmap picture;
    Item(2).SetEnabled(false);
    DrawItem(Item(2), picture, selected);
    const int disabled = darkest(picture);
    Item(2).SetCaption("");
    DrawItem(Item(2), picture, selected);
    EXPECT_LT(disabled, darkest(picture) - 60);  // the caption is there
    Item(2).SetCaption("Disabled");
    Item(2).SetEnabled(true);
    DrawItem(Item(2), picture, selected);
    EXPECT_LT(darkest(picture), disabled - 30);
  }
}

// The box left of the caption: a checked item without an image shows the
// system's check mark in the menu's text colour; a checked item with an image
// shows the image on the checked pattern inside a sunken edge.
TEST_F(SkinnedMenuTest, CheckedItemsShowTheCheckMarkOrTheirImageSunken) {
  Skin();
  const int box = 1 + data->Skin().MenuItem->LeftWidth;  // left edge of the box in the item
  const auto countIn = [&](ui::TBitmap& picture, COLORREF colour) {
    int count = 0;
    for (int y = 1; y < 17; ++y)
      for (int x = box; x < box + 16; ++x) count += GetPixel(picture.Canvas().Handle(), x, y) == colour;
    return count;
  };
  ui::TBitmap picture;
  const COLORREF text = Rgb(data->Skin().MenuTextColour);
  DrawItem(Item(1), picture, false);
  EXPECT_GT(countIn(picture, text), 5);
  DrawItem(Item(0), picture, false);
  EXPECT_EQ(countIn(picture, text), 0);

  menu->SetImages(&data->SysMenuGlyphs());
  Item(1).SetImageIndex(kSystemMenuClose);
  DrawItem(Item(1), picture, false);
  EXPECT_EQ(GetPixel(picture.Canvas().Handle(), box, 1), GetSysColor(COLOR_BTNSHADOW));  // the sunken edge
  EXPECT_EQ(GetPixel(picture.Canvas().Handle(), box + 15, 16), GetSysColor(COLOR_BTNHIGHLIGHT));
}

// A skin without a menu item picture: flat items, the highlight colour behind
// the selected one and the menu colour behind the others; the popup frame
// still wears the background.
TEST_F(SkinnedMenuTest, ASkinWithoutMenuItemsGivesFlatItems) {
  data->ReadSkinStream(SkinStreamWithout(RILVANTA_DEFAULT_SKIN, "menu_item.bmp"));
  ASSERT_FALSE(data->SkinEmpty());
  ASSERT_FALSE(data->Skin().MenuItem && !data->Skin().MenuItem->Bitmap.Empty());
  Skin();
  ui::TBitmap picture;
  DrawItem(Item(0), picture, true);
  EXPECT_EQ(GetPixel(picture.Canvas().Handle(), 119, 10), Rgb(data->Skin().HilightColour));
  DrawItem(Item(0), picture, false);
  EXPECT_EQ(GetPixel(picture.Canvas().Handle(), 119, 10), Rgb(data->Skin().MenuColour));
}

// A popup skinner asks the switch it was made with at every message: while
// skinning is off its window draws itself, as a popup without a skinner does.
TEST_F(SkinnedMenuTest, APopupDrawsItselfWhileSkinningIsOff) {
  const auto popupWindow = [] {
    return CreateWindowExW(WS_EX_TOOLWINDOW, L"#32768", L"", WS_POPUP, 0, 0, 60, 40, nullptr, nullptr, nullptr,
                           nullptr);
  };
  const auto printedCorner = [](HWND window) {
    ui::TBitmap picture;
    picture.SetSize(60, 40);
    SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(picture.Canvas().Handle()),
                 PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
    return GetPixel(picture.Canvas().Handle(), 0, 0);
  };
  const COLORREF skinCorner = PictureColour(data->Skin().MenuBackground->Bitmap, 0, 0);
  const HWND plain = popupWindow(), skinned = popupWindow();
  bool on = false;
  std::unique_ptr<TPopupSkinner> popupSkinner = CreatePopupSkinner(skinned, *data, [&] { return on; });
  ASSERT_NE(popupSkinner, nullptr);
  EXPECT_EQ(SendMessageW(skinned, SKM_QUERYSKINNED, 0, 0), kSkinnedAnswer);
  const COLORREF ownCorner = printedCorner(plain);
  ASSERT_NE(ownCorner, skinCorner);
  EXPECT_EQ(printedCorner(skinned), ownCorner);
  on = true;
  EXPECT_EQ(printedCorner(skinned), skinCorner);
  popupSkinner.reset();
  DestroyWindow(plain);
  DestroyWindow(skinned);
}

// A native menu's separator shows the normal face with an etched line 4 pixels below its top.
TEST_F(SkinnedMenuTest, ANativeSeparatorShowsTheFaceWithAnEtchedLine) {
  const HMENU native = CreatePopupMenu();
  AppendMenuW(native, MF_SEPARATOR, 7, nullptr);
  const std::unique_ptr<ui::TMenuItem> item = TMenuItemPainter::NativeMenuItem(native, 7);
  EXPECT_EQ(item->Caption(), "-");
  ui::TBitmap picture;
  picture.SetSize(120, 10);
  TMenuItemPainter(*data, SkinManager()).DrawNativeItem(native, *item, false, RECT{0, 0, 120, 10}, picture.Canvas());
  EXPECT_EQ(GetPixel(picture.Canvas().Handle(), 60, 4), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(GetPixel(picture.Canvas().Handle(), 60, 5), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(GetPixel(picture.Canvas().Handle(), 60, 8), Rgb(data->Skin().MenuColour));
  DestroyMenu(native);
}

}  // namespace
