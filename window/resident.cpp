// The calendar started with Windows stays resident: its notification-area
// icon, whose tip gives today's date and lunar date, shows it; its icon menu
// ends the program. A later copy of the program brings it forward the same way.

#include "text/gbk.h"
#include "window/frm_date.h"
#include "window/gbk_literal.h"
#include "window/locale_texts.h"

namespace DateWin {

void TFRM_Date::StayResident() {
  IconMenu = new ui::TPopupMenu(this);
  IconMenu->SetName("IconMenu");
  IconExit = new ui::TMenuItem(this);
  IconExit->SetName("IconExit");
  IconExit->SetCaption(Gbk("退出"));
  IconExit->OnClick = [this](ui::TComponent* s) { IconExitClick(s); };
  IconMenu->Items()->Add(IconExit);

  icon_ = std::make_unique<TNotificationIcon>(IconTip());
  icon_->OnClick = [this] { BringToFront(); };
  icon_->OnHover = [this] { icon_->SetTip(IconTip()); };  // today may have changed since
  icon_->OnMenu = [this](POINT screen) {
    // The menu's owner must be in front, or the menu stays open when the user clicks elsewhere.
    SetForegroundWindow(MenuOwnerWindow());
    IconMenu->Popup(screen.x, screen.y, MenuOwnerWindow());
  };
}

// Shown again, the calendar opens on today, as it does when started.
void TFRM_Date::BringToFront() {
  if (!Visible()) {
    Show();
    ShowToday();
  }
  SetForegroundWindow(Handle());
}

void TFRM_Date::IconExitClick(ui::TComponent*) { Close(); }

std::wstring TFRM_Date::IconTip() const {
  const double today = today_();
  return text::GbkToWide(ShortDateText(today) + " " + InformationFor(today, "").LunarDate);
}

}  // namespace DateWin
