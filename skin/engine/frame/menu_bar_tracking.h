#pragma once
// The keyboard and the mouse between a skinned menu bar and the popup it has
// open. While the popup is tracked a message filter on the thread watches
// the menu's messages: the first selects the popup's first item; the left
// and right arrows, where the system has no use for them, and the mouse
// moving onto another bar button switch to that button's popup; the Alt key
// ends the tracking. In a right-to-left menu the two arrows swap meanings.
// One tracking at a time.

#include <windows.h>

namespace skin {

class TWinSkinMenu;

class TMenuBarTracking {
 public:
  // Installs the filter for the popup of the bar's button `index`.
  TMenuBarTracking(TWinSkinMenu& bar, int index);
  // Removes it.
  ~TMenuBarTracking();
  TMenuBarTracking(const TMenuBarTracking&) = delete;
  TMenuBarTracking& operator=(const TMenuBarTracking&) = delete;

  // The button whose popup the user asked for instead, or -1.
  int SwitchTarget() const;

  // The bar's window heard of a selection in a menu (WM_MENUSELECT).
  static void MenuSelect(const TWinSkinMenu& bar, WPARAM wParam, LPARAM lParam);
  // The bar is going away while its popup may be open: the popup is closed
  // and the filter asks nothing more of the bar.
  static void Forget(const TWinSkinMenu& bar);
};

}  // namespace skin
