#include "ui/menus/main_menu.h"

#include "ui/base/messages.h"

namespace ui {

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) {}

TMainMenu::~TMainMenu() {
  BeginDestroy();
  SetWindowHandle(nullptr);
}

void TMainMenu::SetWindowHandle(HWND window) {
  if (window_ && window_ != window && IsWindow(window_)) ::SetMenu(window_, nullptr);
  window_ = window;
  if (window_) ::SetMenu(window_, Handle());
}

void TMainMenu::ItemsChanged() {
  if (!window_ || !IsWindow(window_)) return;
  ::SetMenu(window_, Handle());
  SendMessageW(window_, CM_MENUCHANGED, 0, 0);
}

}  // namespace ui
