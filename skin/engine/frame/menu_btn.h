#pragma once
// A button of a skinned menu bar: one top-level item of the window's menu,
// hot under the mouse and pressed while its popup is open, like a caption
// button. The bar paints it.

#include <windows.h>

#include <string>

#include "skin/engine/geometry/nc_object.h"

namespace skin {

class TMenuBtn;

// Paints a menu-bar button in its current state on the window.
class TMenuButtonPainter {
 public:
  virtual void PaintMenuButton(const TMenuBtn& button) = 0;

 protected:
  ~TMenuButtonPainter() = default;
};

class TMenuBtn : public TNCObject {
 public:
  TMenuBtn(TNCObject*& hotObject, TMenuButtonPainter& painter, int index)
      : TNCObject(hotObject), Index(index), painter_(painter) {
    Visible = true;
  }

  void Paint() override { painter_.PaintMenuButton(*this); }

  // Position in the bar.
  const int Index;
  std::wstring Caption;
  bool Enabled = true;
  // The item's command identifier, posted as WM_COMMAND when the button is
  // clicked while PostsCommand (a native item that opens a popup carries the
  // popup's handle as its identifier, which is no command).
  UINT Command = 0;
  bool PostsCommand = false;
  // The item's popup, or nullptr.
  HMENU SubMenu = nullptr;

 private:
  TMenuButtonPainter& painter_;
};

}  // namespace skin
