#include "ui/menus/popup_menu.h"

namespace ui {

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

void TPopupMenu::Popup(int x, int y, HWND owner) {
  if (OnPopup) OnPopup(this);
  UINT flags = TPM_RETURNCMD | (TrackButton == TTrackButton::tbLeftButton ? TPM_LEFTBUTTON : TPM_RIGHTBUTTON);
  flags |= IsRightToLeft() ? (TPM_RIGHTALIGN | TPM_LAYOUTRTL) : TPM_LEFTALIGN;
  const UINT command = TrackPopupMenuEx(Handle(), flags, x, y, owner, nullptr);
  if (TMenuItem* chosen = TMenuItem::FindByCommand(command)) chosen->Click();
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  TMenu::Notification(component, operation);
  if (operation == TOperation::opRemove && component == PopupComponent) PopupComponent = nullptr;
}

}  // namespace ui
