// Handlers of the search box, the web shortcuts and the start-with-Windows
// items. Pages open in the default browser, which takes activation and so
// closes the calendar.

#include "ui/forms/application.h"
#include "window/frm_date.h"
#include "window/gbk_literal.h"
#include "window/help_page.h"
#include "window/web/search_route.h"

namespace DateWin {
namespace {

constexpr wchar_t kEnter = 13;

}  // namespace

// The clear button comes with any key and goes when the text is empty; the
// calendar's keys that are not the box's own work here too.
void TFRM_Date::Edit1KeyDown(ui::TComponent* sender, WORD& key, ui::TShiftState shift) {
  BitBtn6->SetVisible(true);
  CalendarKeyDown(sender, key, shift);
}

void TFRM_Date::Edit1Change(ui::TComponent*) {
  if (Edit1->Caption().empty()) BitBtn6->SetVisible(false);
}

void TFRM_Date::BitBtn6Click(ui::TComponent*) { Edit1->Clear(); }

// Enter searches as the button does; swallowed, so the edit does not beep.
void TFRM_Date::Edit1KeyPress(ui::TComponent*, wchar_t& key) {
  if (key != kEnter) return;
  Edit1->SetFocus();
  key = 0;
  Button1Click(Button1);
}

void TFRM_Date::Button1Click(ui::TComponent*) { OpenPage(Handle(), SearchButtonAddress(Edit1->Caption())); }

void TFRM_Date::OpenShortcut(TSite site) { OpenPage(ui::Application().Handle(), ShortcutAddress(site)); }

void TFRM_Date::BitBtn1Click(ui::TComponent*) { OpenShortcut(TSite::WebDirectory); }
void TFRM_Date::BitBtn2Click(ui::TComponent*) { OpenShortcut(TSite::OnlineShopping); }
void TFRM_Date::BitBtn3Click(ui::TComponent*) { OpenShortcut(TSite::Mall); }
void TFRM_Date::BitBtn4Click(ui::TComponent*) { OpenShortcut(TSite::ShoppingSite); }
// A help page that cannot be written out has nothing to open.
void TFRM_Date::N4Click(ui::TComponent*) {
  const std::string helpPage = WriteHelpPage();
  if (!helpPage.empty()) OpenPage(ui::Application().Handle(), helpPage);
}

void TFRM_Date::N5Click(ui::TComponent* sender) {
  if (ProgramHomePage().empty()) return N4Click(sender);
  OpenPage(ui::Application().Handle(), std::string(ProgramHomePage()));
}

// A button released over takes the keyboard focus.
void TFRM_Date::BitBtn1MouseUp(ui::TComponent* sender, ui::TMouseButton, ui::TShiftState, int x, int y) {
  auto& button = static_cast<ui::TWinControl&>(*sender);
  if (x >= 0 && y >= 0 && x < button.Width() && y < button.Height()) button.SetFocus();
}

void TFRM_Date::N2Click(ui::TComponent*) { ToggleStartWithWindows(); }
void TFRM_Date::N3Click(ui::TComponent*) { ToggleStartWithWindows(); }

// The user learns when the registration holds for their account only: the
// machine's key needs an administrator.
void TFRM_Date::ToggleStartWithWindows() {
  if (StartWithWindows.Registered()) return StartWithWindows.Unregister();
  if (StartWithWindows.Register() == TRegisteredFor::User)
    ui::Application().ShowMessage(Gbk("本机所有用户的开机启动需要管理员权限，已改为只为当前用户开机启动。"));
}

// Both items carry a check while the program is registered; the skins
// folder is looked at again.
void TFRM_Date::PopupMenu1Popup(ui::TComponent*) {
  const bool registered = StartWithWindows.Registered();
  N2->SetChecked(registered);
  N3->SetChecked(registered);
  FillSkinMenu();
}

}  // namespace DateWin
