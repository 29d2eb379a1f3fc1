#include "skin/engine/frame/win_skin_menu.h"

#include <algorithm>

#include "skin/component/skin_data.h"
#include "skin/engine/frame/menu_bar_tracking.h"
#include "skin/engine/frame/win_skin_form.h"
#include "skin/engine/gdi/skin_drawing.h"
#include "skin/engine/geometry/frame_layout.h"
#include "skin/engine/geometry/menu_bar_layout.h"
#include "text/gbk.h"
#include "ui/forms/form.h"
#include "ui/forms/screen.h"
#include "ui/graphics/colour.h"
#include "ui/menus/main_menu.h"

namespace skin {
namespace {

// The longest item text read from a native menu.
constexpr int kMaxItemText = 80;
constexpr UINT kCaptionFormat = DT_SINGLELINE | DT_NOCLIP | DT_EXPANDTABS;
constexpr int kActiveFrame = 1;
constexpr int kInactiveFrame = 2;
constexpr int kBarFrames = 2;

RECT ToRect(const TPixelRect& rect) { return RECT{rect.Left, rect.Top, rect.Right, rect.Bottom}; }

// A hidden item, or one without a caption, takes no room in the bar.
bool ShowsInBar(const TMenuBtn& button) { return button.Visible && !button.Caption.empty(); }

// What the arrow keys and the mouse switch to while a popup is open: a
// command is never run by passing over it.
bool OpensPopup(const TMenuBtn& button) { return ShowsInBar(button) && button.Enabled && button.SubMenu; }

int CaptionWidth(HDC dc, const std::wstring& caption) {
  if (caption.empty()) return 0;
  RECT measured{};
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &measured, kCaptionFormat | DT_CALCRECT);
  return measured.right - measured.left;
}

// Centred, one pixel above the exact centre, with its access key underlined.
void DrawCentredCaption(HDC dc, const RECT& rect, const std::wstring& caption) {
  const int length = static_cast<int>(caption.size());
  RECT text = rect;
  DrawTextW(dc, caption.c_str(), length, &text, kCaptionFormat | DT_CALCRECT);
  const int width = text.right - text.left;
  const int height = text.bottom - text.top;
  OffsetRect(&text, (rect.right - rect.left - width) / 2, (rect.bottom - rect.top - height) / 2 - 1);
  DrawTextW(dc, caption.c_str(), length, &text, kCaptionFormat);
}

// Every item of the popup and of its submenus is drawn by the window that
// tracks it (WM_MEASUREITEM, WM_DRAWITEM); their texts stay, so that access
// keys still find them.
void MakeItemsOwnerDrawn(HMENU menu) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    if (!(info.fType & MFT_OWNERDRAW)) {
      info.fMask = MIIM_FTYPE;
      info.fType |= MFT_OWNERDRAW;
      SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
    }
    if (info.hSubMenu) MakeItemsOwnerDrawn(info.hSubMenu);
  }
}

}  // namespace

TWinSkinMenu::TWinSkinMenu(TWinSkinForm& form, TNCObject*& hotObject, TFormSkinnerHost& host)
    : form_(form), hotObject_(hotObject), host_(host), data_(*form.SkinData()), window_(form.WindowHandle()) {}

TWinSkinMenu::~TWinSkinMenu() {
  *alive_ = false;
  TMenuBarTracking::Forget(*this);
  ClearButtons();
}

std::unique_ptr<TMenuBtn> TWinSkinMenu::NewButton(int index) {
  TMenuButtonPainter& painter = *this;
  return std::make_unique<TMenuBtn>(hotObject_, painter, index);
}

ui::TMainMenu* TWinSkinMenu::MainMenu() const {
  ui::TForm* form = form_.LibraryForm();
  return form ? form->Menu() : nullptr;
}

void TWinSkinMenu::ClearButtons() {
  for (const auto& button : buttons_)
    if (hotObject_ == button.get()) hotObject_ = nullptr;
  buttons_.clear();
}

void TWinSkinMenu::BuildFromNativeMenu() {
  ClearButtons();
  if (HMENU menu = GetMenu(window_)) BuildFromMenu(menu, true);
  TakeMenuAway();
}

void TWinSkinMenu::BuildFromMenuHandle(HMENU menu) {
  ClearButtons();
  if (menu) menuHandle_ = menu;
  if (menuHandle_) BuildFromMenu(menuHandle_, false);
  TakeMenuAway();
}

void TWinSkinMenu::BuildFromMenu(HMENU menu, bool matchLibraryByPosition) {
  menuHandle_ = menu;
  ui::TMainMenu* main = MainMenu();
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    auto button = NewButton(i);
    wchar_t text[kMaxItemText] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = kMaxItemText - 1;
    if (GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) {
      button->SubMenu = info.hSubMenu;
      button->Enabled = !(info.fState & (MFS_GRAYED | MFS_DISABLED));
      button->Command = info.wID;
      button->Caption = text;
    }
    ui::TMenuItem* item = nullptr;
    if (main) {
      if (matchLibraryByPosition)
        item = i < main->Items()->Count() ? main->Items()->Items(i) : nullptr;
      else if (ui::TMenuItem* found = ui::TMenuItem::FindByCommand(button->Command))
        item = found->GetParentMenu() == main ? found : nullptr;
    }
    // A library item's command runs its click, with or without sub-items.
    button->PostsCommand = !button->SubMenu || (item && item->Command() == button->Command);
    if (button->Caption.empty() && item) {
      button->Caption = text::GbkToWide(item->Caption());
      button->Enabled = item->Enabled();
      button->Command = item->Command();
      button->SubMenu = item->Count() > 0 ? item->Handle() : nullptr;
      button->PostsCommand = true;
    }
    buttons_.push_back(std::move(button));
  }
  rightToLeft_ = form_.RightToLeft() || (main && main->IsRightToLeft()) || MenuReadsRightToLeft(menu);
}

void TWinSkinMenu::BuildFromMainMenu() {
  ClearButtons();
  ui::TMainMenu* main = MainMenu();
  if (main) {
    menuHandle_ = main->Handle();
    ui::TMenuItem& root = *main->Items();
    for (int i = 0; i < root.Count(); ++i) {
      ui::TMenuItem& item = *root.Items(i);
      auto button = NewButton(i);
      button->Caption = text::GbkToWide(item.Caption());
      button->Enabled = item.Enabled();
      button->Visible = item.Visible();
      button->Command = item.Command();
      button->PostsCommand = true;
      button->SubMenu = item.Count() > 0 ? item.Handle() : nullptr;
      buttons_.push_back(std::move(button));
    }
    rightToLeft_ = form_.RightToLeft() || main->IsRightToLeft();
  }
  hotObject_ = nullptr;
  TakeMenuAway();
}

bool TWinSkinMenu::MenuReadsRightToLeft(HMENU menu) const {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE;
  return GetMenuItemCount(menu) > 0 && GetMenuItemInfoW(menu, 0, TRUE, &info) && (info.fType & MFT_RIGHTORDER);
}

void TWinSkinMenu::TakeMenuAway() {
  // The system then draws no bar; the frame keeps the room for this one.
  if (GetMenu(window_)) SetMenu(window_, nullptr);
}

void TWinSkinMenu::GiveMenuBack() {
  // A library menu taken off its window (the window is going) stays off.
  if (ui::TMainMenu* main = MainMenu(); main && main->WindowHandle() != window_) return;
  if (menuHandle_ && IsMenu(menuHandle_) && !GetMenu(window_)) SetMenu(window_, menuHandle_);
}

void TWinSkinMenu::WindowDestroyed() {
  // The system destroys a window's own menu with the window; a library
  // menu belongs to its component.
  if (!MainMenu() && menuHandle_ && IsMenu(menuHandle_)) DestroyMenu(menuHandle_);
  menuHandle_ = nullptr;
}

HFONT TWinSkinMenu::MenuFont() const { return ui::Screen().MenuFont().Handle(); }

RECT TWinSkinMenu::BoundsInBar(const TMenuBtn& button) const {
  RECT bounds = ToRect(button.Bounds);
  OffsetRect(&bounds, -barRect_.left, -barRect_.top);
  return bounds;
}

void TWinSkinMenu::PaintBar(HDC dc, const RECT& rect) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  if (work_.Empty() || work_.Width() != width || work_.Height() != height) {
    work_.Create(dc, width, height);
    barBackground_.Create(dc, width, height);
  }
  if (work_.Empty() || barBackground_.Empty()) return;
  barRect_ = rect;
  const HDC work = work_.Dc();
  const TSkinSettings& skin = data_.Skin();
  const RECT whole{0, 0, width, height};
  TMenuBarGeometry geometry{width, height, false, 0, 0, rightToLeft_};
  if (skin.MenuBar && !skin.MenuBar->Bitmap.Empty()) {
    const TDataSkinObject& picture = *skin.MenuBar;
    geometry.HasPicture = true;
    geometry.LeftWidth = picture.LeftWidth;
    geometry.RightWidth = picture.RightWidth;
    const int frame = form_.Active() ? kActiveFrame : kInactiveFrame;
    const TSliceMargins margins{picture.LeftWidth, 0, picture.RightWidth, 0};
    if (picture.Tile == 1)
      DrawNineSlice(work, whole, picture.Bitmap, true, false, false, kBarFrames, frame, margins);
    else
      DrawThreeSlice(work, whole, picture.Bitmap, true, false, kBarFrames, frame, margins);
  } else {
    HBRUSH brush = CreateSolidBrush(ui::ColourToRgb(skin.MenubarColour));
    FillRect(work, &whole, brush);
    DeleteObject(brush);
  }
  BitBlt(barBackground_.Dc(), 0, 0, width, height, work, 0, 0, SRCCOPY);

  const HGDIOBJ oldFont = SelectObject(work, MenuFont());
  std::vector<int> captionWidths;
  captionWidths.reserve(buttons_.size());
  for (const auto& button : buttons_)
    captionWidths.push_back(ShowsInBar(*button) ? CaptionWidth(work, button->Caption) : 0);
  const std::vector<TPixelRect> places = LayoutMenuBarButtons(geometry, captionWidths);
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    TMenuBtn& button = *buttons_[i];
    const RECT place = ToRect(places[i]);
    button.Bounds =
        TPixelRect{place.left + rect.left, place.top + rect.top, place.right + rect.left, place.bottom + rect.top};
    // Only the button whose popup is open keeps its look through a repaint.
    const bool open = tracking_ && button.ButtonState == TNCButtonState::Pressed;
    if (!open) button.ButtonState = TNCButtonState::Normal;
    DrawButton(work, button, place, open);
  }
  SelectObject(work, oldFont);
  DrawMdiButtons(work);
  BitBlt(dc, rect.left, rect.top, width, height, work, 0, 0, SRCCOPY);
}

void TWinSkinMenu::DrawButton(HDC dc, const TMenuBtn& button, const RECT& bounds, bool framed) const {
  const TSkinSettings& skin = data_.Skin();
  if (framed) {
    HBRUSH brush = CreateSolidBrush(ui::ColourToRgb(skin.ButtonHilightColour));
    FrameRect(dc, &bounds, brush);
    DeleteObject(brush);
  }
  if (!ShowsInBar(button)) return;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ui::ColourToRgb(button.Enabled ? skin.MenuBarTextColour : skin.ButtonShadowColour));
  DrawCentredCaption(dc, bounds, button.Caption);
}

void TWinSkinMenu::DrawMdiButtons(HDC dc) {
  bool shown = false;
  for (const auto& button : form_.CaptionButtons().Buttons()) {
    const TDataSkinSysButton& record = button->Record;
    if (record.Visibility != kVisibleWithMdiMenuBar || !button->Visible || record.Bitmap.Empty()) continue;
    RECT bounds = ToRect(button->Bounds);
    OffsetRect(&bounds, -barRect_.left, -barRect_.top);
    DrawFrameCell(dc, bounds, record.Bitmap, true, record.FrameCount, 1);
    shown = true;
  }
  // Only a maximised child shows them.
  if (shown && !host_.MdiMaximized()) host_.SetMdiMaximized(true);
}

void TWinSkinMenu::PaintMenuButton(const TMenuBtn& button) {
  if (work_.Empty() || barBackground_.Empty()) return;
  const RECT bounds = BoundsInBar(button);
  const int left = std::max<int>(bounds.left, 0);
  const int right = std::min<int>(bounds.right, work_.Width());
  if (right <= left) return;
  const int height = work_.Height();
  const HDC work = work_.Dc();
  // The column under the button is laid again from the bar's background.
  BitBlt(work, left, 0, right - left, height, barBackground_.Dc(), left, 0, SRCCOPY);
  const HGDIOBJ oldFont = SelectObject(work, MenuFont());
  DrawButton(work, button, bounds, button.ButtonState != TNCButtonState::Normal);
  SelectObject(work, oldFont);
  HDC dc = GetWindowDC(window_);
  BitBlt(dc, barRect_.left + left, barRect_.top, right - left, height, work, left, 0, SRCCOPY);
  ReleaseDC(window_, dc);
}

bool TWinSkinMenu::PaintOverBar(const TPixelRect& bounds, const std::function<void(HDC dc, const RECT& cell)>& draw) {
  RECT cell = ToRect(bounds);
  OffsetRect(&cell, -barRect_.left, -barRect_.top);
  if (work_.Empty() || barBackground_.Empty() || bounds.Empty() || cell.left < 0 || cell.top < 0 ||
      cell.right > work_.Width() || cell.bottom > work_.Height())
    return false;
  const int width = cell.right - cell.left;
  const int height = cell.bottom - cell.top;
  BitBlt(work_.Dc(), cell.left, cell.top, width, height, barBackground_.Dc(), cell.left, cell.top, SRCCOPY);
  draw(work_.Dc(), cell);
  HDC dc = GetWindowDC(window_);
  BitBlt(dc, bounds.Left, bounds.Top, width, height, work_.Dc(), cell.left, cell.top, SRCCOPY);
  ReleaseDC(window_, dc);
  return true;
}

TMenuBtn* TWinSkinMenu::PopupButtonAt(POINT screen) const {
  TMenuBtn* button = ButtonAt(form_.ScreenToFrame(screen));
  return button && OpensPopup(*button) ? button : nullptr;
}

TMenuBtn* TWinSkinMenu::ButtonAt(POINT point) const {
  for (const auto& button : buttons_)
    if (ShowsInBar(*button) && Contains(button->Bounds, point.x, point.y)) return button.get();
  return nullptr;
}

TMenuBtn* TWinSkinMenu::FindAccelButton(wchar_t key) const {
  for (const auto& button : buttons_)
    if (button->Enabled && ShowsInBar(*button) && IsMenuAccelerator(button->Caption, key)) return button.get();
  return nullptr;
}

TMenuBtn* TWinSkinMenu::Neighbour(int index, int step) const {
  const int count = static_cast<int>(buttons_.size());
  for (int i = 1; i <= count; ++i) {
    TMenuBtn* button = buttons_[static_cast<std::size_t>(((index + step * i) % count + count) % count)].get();
    if (OpensPopup(*button)) return button;
  }
  return nullptr;
}

void TWinSkinMenu::ClickBarButton(const TMenuBtn& button) {
  RECT window{};
  GetWindowRect(window_, &window);
  PostMessageW(window_, WM_NCLBUTTONDOWN, HTCLIENT,
               MAKELPARAM(window.left + button.Bounds.Left + 1, window.top + button.Bounds.Top + 1));
}

bool TWinSkinMenu::OpenBarPopup(TMenuBtn& first) {
  const std::shared_ptr<bool> alive = alive_;
  const bool hasPopup = first.SubMenu != nullptr;
  TMenuBtn* button = &first;
  while (button) {
    if (button->PostsCommand && button->Enabled) PostMessageW(window_, WM_COMMAND, button->Command, 0);
    if (!button->SubMenu) {
      SettleAfterTracking(*button);
      break;
    }
    MakeItemsOwnerDrawn(button->SubMenu);
    tracking_ = true;
    trackedMenu_ = button->SubMenu;
    int next = -1;
    {
      TMenuBarTracking tracking(*this, button->Index);
      if (button->Enabled) {
        RECT window{};
        GetWindowRect(window_, &window);
        // At the button's bottom-left corner, or bottom-right in a right-to-left bar.
        const int x = window.left + (rightToLeft_ ? button->Bounds.Right : button->Bounds.Left);
        const UINT align = rightToLeft_ ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
        TrackPopupMenu(button->SubMenu, TPM_RIGHTBUTTON | align, x, window.top + button->Bounds.Bottom, 0, window_,
                       nullptr);
      }
      // The window may have gone, and the bar with it, while the menu was open.
      if (!*alive) return hasPopup;
      next = tracking.SwitchTarget();
    }
    tracking_ = false;
    TMenuBtn* following = next >= 0 && next < static_cast<int>(buttons_.size()) ? buttons_[next].get() : nullptr;
    if (!following) {
      SettleAfterTracking(*button);
      break;
    }
    if (button->ButtonState != TNCButtonState::Normal) button->Leave();
    following->Press();
    button = following;
  }
  return hasPopup;
}

void TWinSkinMenu::SettleAfterTracking(TMenuBtn& button) {
  POINT cursor{};
  GetCursorPos(&cursor);
  const POINT point = form_.ScreenToFrame(cursor);
  if (Contains(button.Bounds, point.x, point.y)) {
    hotObject_ = &button;
    button.Release();
  } else if (button.ButtonState != TNCButtonState::Normal) {
    button.Leave();
  }
}

void TWinSkinMenu::MenuSelect(WPARAM wParam, LPARAM lParam) const {
  TMenuBarTracking::MenuSelect(*this, wParam, lParam);
}

}  // namespace skin
