#pragma once
// TCaptionButtons: the caption buttons of one skinned frame, one for each of
// the skin's button records. It decides which of them show in the window's
// state and where, finds the one under a point, and paints them: idle on the
// title bar being composed, and in a new state (under the mouse, pressed) on
// the window. The system-menu buttons show the window's icon.

#include <windows.h>

#include <memory>
#include <utility>
#include <vector>

#include "skin/data/skin_bitmap.h"
#include "skin/engine/gdi/offscreen_bitmap.h"
#include "skin/engine/geometry/frame_layout.h"
#include "skin/engine/geometry/nc_object.h"

namespace skin {

class TSkinData;
class TWinSkinMenu;

class TCaptionButtons {
 public:
  // Reads the window's icon; a window without one shows the icon of the skin
  // it wears, or else of the last main skin of `loaded` that has one.
  void ReadWindowIcon(HWND window, TSkinData& data, const std::vector<TSkinData*>& loaded);
  // One button for each of the skin's records: `hotObject` is the frame's
  // record of its hot object, `painter` shows a button's new state. A skin
  // component without an icon of its own takes the window's.
  void Create(TSkinData& data, TNCObject*& hotObject, TCaptionButtonPainter& painter);
  void Clear();

  // Decides which buttons show in `state` and places them.
  void Layout(const TCaptionPlacement& placement, const TCaptionState& state);
  // The left edge of the right-aligned buttons as last placed (0 without any).
  int RightButtonsLeft() const { return rightButtonsLeft_; }
  // The part of the title between `left` and `right` that the buttons placed
  // by the window's edges leave free, a gap away from them, as last placed.
  std::pair<int, int> FreeTitleSpan(int left, int right) const;
  // The visible button with an action under a point in window coordinates, or nullptr.
  TWinSysButton* ButtonAt(POINT point) const;
  const std::vector<std::unique_ptr<TWinSysButton>>& Buttons() const { return buttons_; }

  // Paints the visible buttons in their idle cell on the title bar being
  // composed; those standing in the menu bar are left to the bar.
  void PaintIdle(HDC dc, bool active) const;
  // Shows `button` in the picture cell `frame` on `window`: in `menuBar`
  // where it stands in the bar, else laid over `titleBackground` (the title
  // bar as composed without buttons) off the screen, so that nothing of its
  // previous state shows through its magenta.
  void PaintState(HWND window, const TWinSysButton& button, int frame, const TOffscreenBitmap& titleBackground,
                  TWinSkinMenu* menuBar) const;

 private:
  void Draw(HDC dc, const TWinSysButton& button, int frame) const;
  void Draw(HDC dc, const RECT& target, const TWinSysButton& button, int frame) const;

  std::vector<std::unique_ptr<TWinSysButton>> buttons_;
  TSkinBitmap iconPicture_;
  int rightButtonsLeft_ = 0;
};

}  // namespace skin
