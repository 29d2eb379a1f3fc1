#pragma once
// A form's menu bar. Its top-level items stand in the bar, their sub-items
// drop down from it; a chosen item's OnClick runs when the form receives its
// command. While the bar is on a window, a change to any item puts the
// rebuilt bar on the window and tells the window with CM_MENUCHANGED.

#include "ui/menus/menu.h"

namespace ui {

class TMainMenu : public TMenu {
 public:
  explicit TMainMenu(TComponent* owner);
  // Takes the bar off its window first, which would otherwise keep a freed menu.
  ~TMainMenu() override;
  std::string ClassName() const override { return "TMainMenu"; }

  // The window showing the bar, or nullptr; set by the form.
  HWND WindowHandle() const { return window_; }
  // Puts the bar on the window (nullptr: takes it off the window it is on).
  void SetWindowHandle(HWND window);

 protected:
  bool IsMenuBar() const override { return true; }
  void ItemsChanged() override;

 private:
  HWND window_ = nullptr;
};

}  // namespace ui
