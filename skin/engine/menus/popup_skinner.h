#pragma once
// What the skin manager asks of the skinner of a menu popup window (class
// "#32768"), and how it makes one. The popup skinner answers SKM_QUERYSKINNED
// with kSkinnedAnswer while attached; freeing it detaches it.

#include <windows.h>

#include <functional>
#include <memory>

#include "skin/engine/gdi/offscreen_bitmap.h"
#include "skin/engine/menus/menu_item_face.h"

namespace skin {

class TSkinData;

// A popup window's rendered background, the size of the whole window, and
// where the window's client area (the item rectangles' origin) lies on it;
// with the item faces last laid on it, normal and selected.
struct TPopupBackground {
  TOffscreenBitmap Bitmap;
  POINT ClientOrigin{};
  mutable TMenuItemFace ItemFaces[2];
};

class TPopupSkinner {
 public:
  virtual ~TPopupSkinner() = default;

  // The popup window it serves.
  virtual HWND WindowHandle() const = 0;
  // The menu shown in the window; nullptr until its first item is drawn.
  virtual HMENU MenuHandle() const = 0;
  // The rendered background the menu's items are drawn on, or nullptr.
  virtual const TPopupBackground* Background() const = 0;
  // Gives the window back its own drawing.
  virtual void Detach() = 0;
};

// Where the menu item painter finds the background of the popup its item is
// drawn in: whoever holds the popup skinners (the skin manager).
class TPopupBackgrounds {
 public:
  // The rendered background of the skinned popup showing that menu, or nullptr.
  virtual const TPopupBackground* FindPopupBackground(HMENU menu) const = 0;

 protected:
  ~TPopupBackgrounds() = default;
};

// A popup skinner attached to the menu popup `window` with `data`, or nullptr
// when popups are not skinned. While `skinningOn` answers false the window
// draws itself.
std::unique_ptr<TPopupSkinner> CreatePopupSkinner(HWND window, TSkinData& data, std::function<bool()> skinningOn);

// The next menu item drawn names the menu of the popup skinner that rendered
// its background before it knew its menu; nothing when none waits.
void HandMenuToPendingPopup(HMENU menu);

}  // namespace skin
