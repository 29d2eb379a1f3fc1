#pragma once
// A menu shown at a screen point, owned while it is open by the window its
// caller names: the application's hidden window, so that it does not take
// activation away from the form.

#include <windows.h>

#include "ui/menus/menu.h"

namespace ui {

enum class TTrackButton { tbRightButton, tbLeftButton };

class TPopupMenu : public TMenu {
 public:
  explicit TPopupMenu(TComponent* owner);
  std::string ClassName() const override { return "TPopupMenu"; }

  // Shows the menu with its top-left corner at the screen point (top-right for
  // a right-to-left menu), its messages going to `owner`, and returns once it
  // is closed; the chosen item's Click runs after that.
  void Popup(int x, int y, HWND owner);

  // A control's right click opens its PopupMenu only while this is true.
  bool AutoPopup = true;
  // The control whose context menu this was, set before OnPopup.
  TComponent* PopupComponent = nullptr;
  TTrackButton TrackButton = TTrackButton::tbRightButton;
  TNotifyEvent OnPopup;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
};

}  // namespace ui
