// Building the window in the order its resource is read: the controls of the
// layout, then the skin component, then the end-of-loading notification of
// every component; FormCreate follows once the application has the window.

#include "window/frm_date.h"

#include <windows.h>

#include <initializer_list>
#include <utility>

#include "ui/forms/application.h"

namespace DateWin {
namespace {

constexpr int kWindowTop = 160;
constexpr int kRightOfCentre = 220;

}  // namespace

TFRM_Date::TFRM_Date(ui::TComponent* owner, TTodaySource today) : ui::TForm(owner), today_(std::move(today)) {
  BeginLoading();
  CreateLayout();
  // Loads the embedded skin; FinishLoading then hands SkinData1 to the skin
  // manager, and FormCreate runs after that.
  CreateSkinData();
  FinishLoading();
  OnCreate = [this](ui::TComponent* s) { FormCreate(s); };
  OnShow = [this](ui::TComponent* s) { FormShow(s); };
  OnDeactivate = [this](ui::TComponent* s) { FormDeactivate(s); };
  OnClose = [this](ui::TComponent* s, ui::TCloseAction& action) { FormClose(s, action); };
  OnMouseDown = [this](ui::TComponent* s, ui::TMouseButton b, ui::TShiftState sh, int x, int y) {
    FormMouseDown(s, b, sh, x, y);
  };
  // Whichever control has the focus, the calendar's keys reach it.
  const auto calendarKeys = [this](ui::TComponent* s, WORD& key, ui::TShiftState shift) {
    CalendarKeyDown(s, key, shift);
  };
  for (ui::TWinControl* control : std::initializer_list<ui::TWinControl*>{this, Panel1, BitBtn1, BitBtn2, BitBtn3,
                                                                          BitBtn4, BitBtn5, BitBtn6, Button1})
    control->OnKeyDown = calendarKeys;
}

// Everything is in place, as at the end of reading a window resource.
void TFRM_Date::FinishLoading() {
  for (int index = 0; index < ComponentCount(); ++index) Components(index)->Loaded();
  Loaded();
}

// Owned by the application's hidden window, which keeps it off the taskbar.
void TFRM_Date::CreateParams(TCreateParams& params) {
  ui::TForm::CreateParams(params);
  params.WndParent = ui::Application().Handle();
}

void TFRM_Date::FormCreate(ui::TComponent*) {
  ui::Application().SetTitle("");
  SetTop(kWindowTop);
  SetLeft((GetSystemMetrics(SM_CXSCREEN) - Width()) / 2 + kRightOfCentre);
  // Exactly the tool-window style: no taskbar button, no task-switcher entry.
  SetWindowLongW(ui::Application().Handle(), GWL_EXSTYLE, WS_EX_TOOLWINDOW);
  SetMonthMenuCaptions();
  CreateYearMenu();
  CreateDayCells();
  LoadHolidayFiles();
  dayTips_ = std::make_unique<TDayTooltips>(Panel1->Handle());
  StartDate = today_();
}

}  // namespace DateWin
