// Handlers of the search box, the web shortcuts and the start-with-Windows
// items. Their controls and menu items are bound already; what they do comes
// with the search and start-up work, until then they do nothing.

#include "window/frm_date.h"

namespace DateWin {

void TFRM_Date::Edit1Change(ui::TComponent*) {}
void TFRM_Date::Edit1KeyDown(ui::TComponent*, WORD&, ui::TShiftState) {}
void TFRM_Date::Edit1KeyPress(ui::TComponent*, wchar_t&) {}
void TFRM_Date::BitBtn6Click(ui::TComponent*) {}
void TFRM_Date::Button1Click(ui::TComponent*) {}
void TFRM_Date::BitBtn1Click(ui::TComponent*) {}
void TFRM_Date::BitBtn2Click(ui::TComponent*) {}
void TFRM_Date::BitBtn3Click(ui::TComponent*) {}
void TFRM_Date::BitBtn4Click(ui::TComponent*) {}
void TFRM_Date::BitBtn1MouseUp(ui::TComponent*, ui::TMouseButton, ui::TShiftState, int, int) {}
void TFRM_Date::N2Click(ui::TComponent*) {}
void TFRM_Date::N3Click(ui::TComponent*) {}
void TFRM_Date::N4Click(ui::TComponent*) {}
void TFRM_Date::N5Click(ui::TComponent*) {}

}  // namespace DateWin
