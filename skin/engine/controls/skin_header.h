#pragma once
// The skinner of a column header: every item, and the empty area after the
// last one, is painted from the skin's header picture (normal, pressed, under
// the mouse, disabled, sorted), with the item's icon and caption on top. An
// item without a caption shows the picture alone. Without a header picture
// the header paints itself.

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include "skin/data/skin_elements.h"
#include "skin/engine/controls/skin_control.h"

namespace skin {

class TSkinHeader : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  std::string ClassName() const override { return "TSkinHeader"; }

  // The item under the mouse and the item held down, -1 for none.
  int HotItem() const { return hotItem_; }
  int PressedItem() const { return pressedItem_; }

 protected:
  bool BeforeMessage(ui::TMessage& message) override;
  void AfterMessage(ui::TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  // Cells of the header picture.
  enum TState { kNormal = 1, kPressed = 2, kHot = 3, kDisabled = 4, kSorted = 5 };

  // The skin's header picture, or nullptr when it has none.
  const TDataSkinObject* Picture() const;
  // The item at a point of the header, -1 elsewhere (a divider between two
  // items too: pressing it sizes them).
  int ItemAt(POINT point) const;
  void DrawItem(HDC dc, const TDataSkinObject& picture, int index, const RECT& rect, HIMAGELIST images,
                bool enabled) const;
  TState StateOf(int index, int format, bool enabled) const;
  void SetHotItem(int item);

  int hotItem_ = -1;
  int pressedItem_ = -1;
};

}  // namespace skin
