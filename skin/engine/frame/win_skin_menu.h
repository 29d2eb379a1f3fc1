#pragma once
// TWinSkinMenu: the skinned menu bar of one framed window. It takes the
// window's menu away from the system (which then draws no bar), keeps one
// button per top-level item, paints the bar from the skin's menu-bar picture
// in the room the frame skinner leaves between title and client, and opens
// the items' popups from its buttons: with the mouse, by their access keys,
// and from one button to the next with the arrow keys or the mouse while a
// popup is open. The popups are ordinary menus, skinned as every menu is.
//
// Owned by the frame skinner; freeing it gives the window its menu back.

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "skin/engine/frame/form_skinner_host.h"
#include "skin/engine/frame/frame_painting.h"
#include "skin/engine/frame/menu_btn.h"

namespace ui {
class TMainMenu;
}

namespace skin {

class TSkinData;
class TWinSkinForm;

class TWinSkinMenu : private TMenuButtonPainter {
 public:
  // The bar of the frame skinner `form`, which `host` holds; `hotObject` is
  // the frame's record of its hot object.
  TWinSkinMenu(TWinSkinForm& form, TNCObject*& hotObject, TFormSkinnerHost& host);
  ~TWinSkinMenu();
  TWinSkinMenu(const TWinSkinMenu&) = delete;
  TWinSkinMenu& operator=(const TWinSkinMenu&) = delete;

  // (Re)build the buttons and take the menu away from the window: from the
  // window's current menu (nothing without one), from the given menu (the
  // last one when none is given), or from the form's library main menu.
  void BuildFromNativeMenu();
  void BuildFromMenuHandle(HMENU menu);
  void BuildFromMainMenu();
  // Puts the menu the bar was built from back on the window, when the window
  // is still the menu's.
  void GiveMenuBack();
  // The window is being destroyed: a menu of its own goes with it, as the
  // system would have destroyed it.
  void WindowDestroyed();

  // Paints the whole bar into `rect` (window coordinates).
  void PaintBar(HDC dc, const RECT& rect);
  // Lays what `draw` draws into a cell of the bar's size at `bounds` (window
  // coordinates) over the bar's background there, off the screen, and shows
  // it: the caption buttons a maximised MDI child leaves in the bar change
  // their state so. False when the bar has not been painted there.
  bool PaintOverBar(const TPixelRect& bounds, const std::function<void(HDC dc, const RECT& cell)>& draw);
  // The button with a caption under a point in window coordinates, or nullptr.
  TMenuBtn* ButtonAt(POINT point) const;
  // The first enabled button whose access key is `key`, or nullptr.
  TMenuBtn* FindAccelButton(wchar_t key) const;

  // Runs the button's popup (and those the user switches to from it) and
  // returns when the last one is closed; false when the button has none.
  bool OpenBarPopup(TMenuBtn& button);
  // Clicks the button as the mouse would, through the window's message queue.
  void ClickBarButton(const TMenuBtn& button);
  // Whether one of its popups is open (until the tracking ends it), and the popup last opened.
  bool Tracking() const { return tracking_; }
  HMENU TrackedMenu() const { return trackedMenu_; }
  void EndMenuTracking() { tracking_ = false; }
  // The window heard of a selection in a menu (WM_MENUSELECT).
  void MenuSelect(WPARAM wParam, LPARAM lParam) const;

  HMENU MenuHandle() const { return menuHandle_; }
  const std::vector<std::unique_ptr<TMenuBtn>>& Buttons() const { return buttons_; }
  // The buttons run from the right (a right-to-left window or menu).
  bool RightToLeft() const { return rightToLeft_; }
  // The button after (step 1) or before (step -1) `index` that opens a
  // popup, going round the bar; the one that opens a popup under a screen point.
  TMenuBtn* Neighbour(int index, int step) const;
  TMenuBtn* PopupButtonAt(POINT screen) const;

 private:
  void PaintMenuButton(const TMenuBtn& button) override;
  std::unique_ptr<TMenuBtn> NewButton(int index);
  void BuildFromMenu(HMENU menu, bool matchLibraryByPosition);
  void TakeMenuAway();
  void ClearButtons();
  ui::TMainMenu* MainMenu() const;
  bool MenuReadsRightToLeft(HMENU menu) const;
  // Composes a button's caption (and its frame when hot or pressed) on the
  // work bitmap over the bar's background; bar coordinates.
  void DrawButton(HDC dc, const TMenuBtn& button, const RECT& bounds, bool framed) const;
  void DrawMdiButtons(HDC dc);
  void SettleAfterTracking(TMenuBtn& button);
  HFONT MenuFont() const;
  RECT BoundsInBar(const TMenuBtn& button) const;

  TWinSkinForm& form_;
  TNCObject*& hotObject_;
  TFormSkinnerHost& host_;
  TSkinData& data_;
  HWND window_;
  std::vector<std::unique_ptr<TMenuBtn>> buttons_;
  HMENU menuHandle_ = nullptr;
  bool rightToLeft_ = false;
  bool tracking_ = false;
  HMENU trackedMenu_ = nullptr;
  // Where the bar was last painted (window coordinates), its background
  // before the captions, and the bitmap it is composed in.
  RECT barRect_{};
  TOffscreenBitmap barBackground_;
  TOffscreenBitmap work_;
  // Cleared when the bar goes, so that a popup loop it runs learns of it.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace skin
