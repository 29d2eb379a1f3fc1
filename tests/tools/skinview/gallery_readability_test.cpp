// Every text the gallery shows, in both built-in skins, read back from the
// screen: a caption's pixels are those that change when the caption is
// blanked, and the strongest of them must stand out from what lies under it
// by at least 4.5:1, enabled or not. Menu items, check marks and the system
// menu's glyphs are read back from their skinned drawing.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "screen_pixels.h"
#include "skin/component/skin_data.h"
#include "skin/engine/menus/menu_item_painter.h"
#include "skin/engine/menus/system_menu_popup.h"
#include "skin/engine/skin_manage.h"
#include "skin/engine/win32/skin_messages.h"
#include "text/gbk.h"
#include "tools/skinview/bare_window.h"
#include "tools/skinview/mdi_gallery.h"
#include "tools/skinview/right_to_left_window.h"
#include "tools/skinview/skin_view_form.h"
#include "tools/skinview/window_kinds.h"
#include "ui/controls/win_control.h"
#include "ui/forms/application.h"
#include "ui/forms/form.h"
#include "ui/forms/screen.h"
#include "ui/graphics/bitmap.h"
#include "ui/graphics/colour.h"
#include "ui/menus/main_menu.h"
#include "ui/menus/popup_menu.h"

namespace {

constexpr double kReadable = 4.5;  // the least contrast text may have with what lies under it

// A screen pixel (0x00RRGGBB) as GDI writes colours.
COLORREF AsColour(std::uint32_t pixel) { return RGB(pixel >> 16 & 0xFF, pixel >> 8 & 0xFF, pixel & 0xFF); }

// The strongest contrast between a pixel that differs and the same pixel of the other picture; 0 when none differs.
double StrongestChange(const std::vector<std::uint32_t>& shown, const std::vector<std::uint32_t>& blank) {
  double strongest = 0;
  for (std::size_t i = 0; i < shown.size() && i < blank.size(); ++i)
    if (shown[i] != blank[i])
      strongest = std::max(strongest, ui::ContrastRatio(AsColour(shown[i]), AsColour(blank[i])));
  return strongest;
}

void Settle() {
  for (int round = 0; round < 3; ++round) {
    ui::Application().ProcessMessages();
    Sleep(20);
  }
}

void RedrawAll() {
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM) {
        if (IsWindowVisible(window))
          RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        return TRUE;
      },
      0);
  Settle();
}

// Smoothed text at the gallery's size never reaches its full colour: texts
// are read in a large bold font, whose strokes have pixels of the colour itself.
constexpr int kLargeText = 20;

void EnlargeLibraryTexts(ui::TComponent& owner) {
  for (int i = 0; i < owner.ComponentCount(); ++i) {
    if (auto* control = dynamic_cast<ui::TControl*>(owner.Components(i))) {
      control->Font().SetHeight(kLargeText);
      control->Font().SetStyle(ui::fsBold);
    }
    EnlargeLibraryTexts(*owner.Components(i));
  }
}

void EnlargeWindowTexts(HWND parent, HFONT font) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

// One text on the screen: where it is, and how to blank and restore it.
struct TShownText {
  std::string Name;
  RECT Area;
  std::function<void(bool blank)> Blank;
};

double ScreenContrast(const TShownText& text) {
  const std::vector<std::uint32_t> shown = window_test::ScreenPixels(text.Area);
  text.Blank(true);
  RedrawAll();
  const std::vector<std::uint32_t> blank = window_test::ScreenPixels(text.Area);
  text.Blank(false);
  RedrawAll();
  return StrongestChange(shown, blank);
}

bool ShowsOnScreen(ui::TControl& control) {
  for (ui::TControl* shown = &control; shown; shown = shown->Parent())
    if (!shown->Visible()) return false;
  return true;
}

// The library controls `owner` owns that show a caption on the screen; a
// page's and a sheet's captions are not shown.
void AddLibraryTexts(ui::TComponent& owner, std::vector<TShownText>& texts) {
  for (int i = 0; i < owner.ComponentCount(); ++i) {
    auto* control = dynamic_cast<ui::TControl*>(owner.Components(i));
    if (!control || control->Caption().empty() || !ShowsOnScreen(*control)) continue;
    const std::string kind = control->ClassName();
    if (dynamic_cast<ui::TForm*>(control) || kind == "TEdit" || kind == "TMemo" || kind == "TSpinEdit" ||
        kind == "TComboBox" || kind == "TControlPage" || kind == "TTabSheet")
      continue;
    RECT area{};
    if (auto* windowed = dynamic_cast<ui::TWinControl*>(control)) {
      GetWindowRect(windowed->Handle(), &area);
    } else {
      const RECT bounds = control->BoundsRect();
      const POINT topLeft = control->Parent()->ClientToScreen(POINT{bounds.left, bounds.top});
      area = RECT{topLeft.x, topLeft.y, topLeft.x + bounds.right - bounds.left, topLeft.y + bounds.bottom - bounds.top};
    }
    const std::string caption = control->Caption();
    texts.push_back(TShownText{kind + " \"" + caption + "\"" + (control->Enabled() ? "" : " (disabled)"), area,
                               [control, caption](bool blank) { control->SetCaption(blank ? " " : caption); }});
  }
}

// The captions of a window's child windows of the system's classes.
void AddWindowTexts(HWND parent, std::vector<TShownText>& texts) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t kind[32] = L"";
    GetClassNameW(child, kind, 32);
    const int length = GetWindowTextLengthW(child);
    if (!IsWindowVisible(child) || length == 0 || (lstrcmpiW(kind, L"Static") != 0 && lstrcmpiW(kind, L"Button") != 0))
      continue;
    std::wstring caption(static_cast<std::size_t>(length) + 1, L'\0');
    caption.resize(static_cast<std::size_t>(GetWindowTextW(child, caption.data(), length + 1)));
    RECT area{};
    GetWindowRect(child, &area);
    texts.push_back(
        TShownText{text::WideToGbk(std::wstring(kind) + L" \"" + caption + L"\""), area,
                   [child, caption](bool blank) { SetWindowTextW(child, blank ? L" " : caption.c_str()); }});
  }
}

void ExpectReadable(const std::vector<TShownText>& texts, const std::string& where) {
  EXPECT_FALSE(texts.empty()) << where;
  for (const TShownText& text : texts) {
    const double contrast = ScreenContrast(text);
    EXPECT_GE(contrast, kReadable) << where << ": " << text.Name;
  }
}

bool Skinned(HWND window) { return SendMessageW(window, skin::SKM_QUERYSKINNED, 0, 0) == 1; }

void WaitUntilSkinned(HWND window) {
  for (int round = 0; round < 400 && !Skinned(window); ++round) Settle();
  ASSERT_TRUE(Skinned(window));
  Settle();
}

// The colour of every pixel of an item drawn by the skin's painter, as the
// skinned window draws its bar's and its popup menus' items.
std::vector<std::uint32_t> DrawnItem(const skin::TSkinData& data, ui::TMenuItem& item, bool selected) {
  constexpr int kWidth = 300, kHeight = 30;
  ui::TBitmap picture;
  picture.SetSize(kWidth, kHeight);
  picture.Canvas().Font.SetHeight(kLargeText);
  picture.Canvas().Font.SetStyle(ui::fsBold);
  skin::TMenuItemPainter(data, nullptr).DrawPopupItem(item, picture.Canvas(), RECT{0, 0, kWidth, kHeight}, selected);
  std::vector<std::uint32_t> pixels;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      const COLORREF pixel = GetPixel(picture.Canvas().Handle(), x, y);
      pixels.push_back(static_cast<std::uint32_t>(GetRValue(pixel)) << 16 | GetGValue(pixel) << 8 | GetBValue(pixel));
    }
  return pixels;
}

// A menu item's caption, and its check mark or image when it has one.
void ExpectReadableItem(const skin::TSkinData& data, ui::TMenuItem& item, const std::string& where) {
  if (item.IsLine()) return;
  for (bool selected : {false, true}) {
    const std::string name =
        where + " \"" + item.Caption() + "\"" + (item.Enabled() ? "" : " (disabled)") + (selected ? " selected" : "");
    const std::string caption = item.Caption();
    const std::vector<std::uint32_t> shown = DrawnItem(data, item, selected);
    item.SetCaption(" ");
    EXPECT_GE(StrongestChange(shown, DrawnItem(data, item, selected)), kReadable) << name;
    const bool checked = item.Checked();
    const int image = item.ImageIndex();
    if (checked || image >= 0) {
      item.SetChecked(false);
      item.SetImageIndex(-1);
      const std::vector<std::uint32_t> unmarked = DrawnItem(data, item, selected);
      item.SetChecked(checked);
      item.SetImageIndex(image);
      EXPECT_GE(StrongestChange(DrawnItem(data, item, selected), unmarked), kReadable) << name << "'s mark";
    }
    item.SetCaption(caption);
  }
}

void ExpectReadableMenu(const skin::TSkinData& data, ui::TMenuItem& parent, const std::string& where) {
  for (int i = 0; i < parent.Count(); ++i) {
    ui::TMenuItem& item = *parent.Items(i);
    if (item.Count() > 0)
      ExpectReadableMenu(data, item, where + " > " + item.Caption());
    else
      ExpectReadableItem(data, item, where);
  }
}

class GalleryReadability : public testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    gallery = std::make_unique<skinview::TSkinViewForm>(nullptr, GetParam());
    gallery->Show();
    SetForegroundWindow(gallery->Handle());
    WaitUntilSkinned(gallery->Handle());
  }
  void TearDown() override {
    gallery.reset();
    Settle();
    skin::FreeSkinManager();
  }

  std::unique_ptr<skinview::TSkinViewForm> gallery;
};

TEST_P(GalleryReadability, EveryPageAndWindowShowsItsTextsReadably) {
  ui::TMenuItem& pages = *gallery->Menu()->Items()->Items(1);
  for (int page = 0; page < pages.Count(); ++page) {
    pages.Items(page)->Click();
    EnlargeLibraryTexts(*gallery);
    RedrawAll();
    std::vector<TShownText> texts;
    AddLibraryTexts(*gallery, texts);
    ExpectReadable(texts, "page " + pages.Items(page)->Caption());
  }

  // Each kind of window alone on the screen, its forms read and freed.
  struct TOpening {
    const char* Name;
    void (*Open)(ui::TForm* owner);
  };
  for (const TOpening& opening : {TOpening{"tool window", skinview::OpenToolWindow},
                                  TOpening{"right-to-left window", skinview::OpenRightToLeftWindow},
                                  TOpening{"MDI window", skinview::OpenMdiGallery}}) {
    const int before = ui::Screen().FormCount();
    opening.Open(gallery.get());
    std::vector<TShownText> texts;
    for (int i = before; i < ui::Screen().FormCount(); ++i) {
      ui::TForm& form = *ui::Screen().Forms(i);
      WaitUntilSkinned(form.Handle());
      EnlargeLibraryTexts(form);
    }
    RedrawAll();
    for (int i = before; i < ui::Screen().FormCount(); ++i) AddLibraryTexts(*ui::Screen().Forms(i), texts);
    ExpectReadable(texts, opening.Name);
    while (ui::Screen().FormCount() > before) delete ui::Screen().Forms(ui::Screen().FormCount() - 1);
    Settle();
  }

  const HWND bare = skinview::OpenBareWindow(POINT{700, 300});
  WaitUntilSkinned(bare);
  const HFONT large = CreateFontW(-kLargeText, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
  EnlargeWindowTexts(bare, large);
  RedrawAll();
  std::vector<TShownText> texts;
  AddWindowTexts(bare, texts);
  ExpectReadable(texts, "the bare window");
  DestroyWindow(bare);
  DeleteObject(large);

  // A modal dialog: read while its loop runs.
  SetTimer(nullptr, 0, 500, [](HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND dialog = GetForegroundWindow();
    WaitUntilSkinned(dialog);
    if (ui::TForm* form = ui::Screen().FindForm(dialog)) {
      EnlargeLibraryTexts(*form);
      RedrawAll();
      std::vector<TShownText> dialogTexts;
      AddLibraryTexts(*form, dialogTexts);
      ExpectReadable(dialogTexts, "the dialog");
      form->Close();
    }
  });
  skinview::ShowSampleDialog(gallery.get());
}

TEST_P(GalleryReadability, EveryMenuItemCheckMarkAndSystemMenuGlyphIsReadable) {
  skin::TSkinData& data = *dynamic_cast<skin::TSkinData*>(gallery->FindComponent("SkinData1"));
  ExpectReadableMenu(data, *gallery->Menu()->Items(), "menu");
  const std::unique_ptr<ui::TPopupMenu> systemMenu =
      skin::CreateSystemMenuPopup(skin::TAllowedButtons{true, true}, data, nullptr, [](int) {});
  systemMenu->Items()->Items(0)->SetEnabled(false);  // Restore, as on a window that is not maximised
  ExpectReadableMenu(data, *systemMenu->Items(), "system menu");
}

INSTANTIATE_TEST_SUITE_P(BuiltInSkins, GalleryReadability, testing::Values(DEFAULT_SKIN_FILE, DARK_SKIN_FILE),
                         [](const testing::TestParamInfo<const char*>& info) {
                           return info.index == 0 ? std::string("Default") : std::string("Dark");
                         });

}  // namespace
