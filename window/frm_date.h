#pragma once
// The calendar window FRM_Date: its controls by their layout names, the month
// grid, the selection and every event handler. The handlers live in files by
// concept: frm_date.cpp (construction and FormCreate), layout.cpp (controls),
// menus.cpp, day_cells.cpp, month_view.cpp (ShowMonth), navigation.cpp,
// window_behaviour.cpp (dragging and closing), web_and_startup_handlers.cpp.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "calendar/holidays/holiday_calendar.h"
#include "skin/component/skin_data.h"
#include "ui/controls/bevel.h"
#include "ui/controls/bit_btn.h"
#include "ui/controls/button.h"
#include "ui/controls/edit.h"
#include "ui/controls/image.h"
#include "ui/controls/label.h"
#include "ui/controls/panel.h"
#include "ui/controls/shape.h"
#include "ui/controls/speed_button.h"
#include "ui/forms/form.h"
#include "ui/menus/popup_menu.h"
#include "window/browser.h"
#include "window/calendar_skins.h"
#include "window/clock.h"
#include "window/day_tooltips.h"
#include "window/model/calendar_keys.h"
#include "window/model/month_view_model.h"
#include "window/model/selection.h"
#include "window/notification_icon.h"
#include "window/resource_names.h"
#include "window/start_with_windows.h"
#include "window/web/web_endpoints.h"

namespace DateWin {

class TFRM_Date : public ui::TForm {
 public:
  // `today` gives the current date; tests hand in a fixed one.
  explicit TFRM_Date(ui::TComponent* owner, TTodaySource today = SystemToday);
  std::string ClassName() const override { return "TFRM_Date"; }

  // Fills the header, the grid and the information labels for `date`; the
  // selection is left as it is.
  void ShowMonth(double date);

  // Started with Windows: an icon in the notification area shows the
  // calendar, losing activation hides it instead of ending the program, and
  // the icon's menu ends it (resident.cpp).
  void StayResident();
  bool Resident() const { return icon_ != nullptr; }

  // The skin at start: a skin file for this run only when one is given, else
  // the user's remembered choice. A skin that cannot be worn is said once and
  // the calendar keeps its skin (skins.cpp).
  void WearStartingSkin(const std::wstring& skinFileForThisRun);

  // The selection, and today apart from it; a day-cell click changes the day
  // only, the menus the month or the year, the keys and the wheel move them.
  // The day is kept when a shorter month is chosen.
  TSelection Selection{0};
  // The date shown first, set by FormCreate.
  double StartDate = 0;
  // The official days off and make-up workdays, with the user's holidays.txt.
  DateCn::THolidayCalendar Holidays;

  // Controls on Panel1, graphic ones from back to front.
  ui::TPanel* Panel1;
  ui::TShape* Shape1;
  ui::TLabel* Label20;
  ui::TLabel* Label16;
  ui::TImage* Image1;
  ui::TShape* Shape2;
  ui::TShape* ShapeToday;  // today's own mark, in front of the selection's
  ui::TLabel* day1;
  ui::TImage* image_month;
  ui::TImage* image_year;
  ui::TBevel* Bevel2;
  ui::TLabel* Label1;
  ui::TLabel* Label2;
  ui::TLabel* Label3;
  ui::TLabel* Label4;
  ui::TLabel* Label6;
  ui::TLabel* Label5;
  ui::TLabel* Label8;
  ui::TLabel* Label7;
  ui::TLabel* Cnday;
  ui::TLabel* Label17;
  ui::TLabel* Label18;
  ui::TLabel* Label19;
  ui::TLabel* Label21;
  ui::TLabel* Label22;
  ui::TLabel* lbl1;
  ui::TLabel* lbl2;
  ui::TLabel* lbl3;
  ui::TLabel* lbl4;
  ui::TImage* image_today;
  ui::TSpeedButton* SpeedButton1;
  ui::TSpeedButton* SpeedButton2;
  // Windowed controls in tab order.
  ui::TBitBtn* BitBtn1;
  ui::TBitBtn* BitBtn2;
  ui::TBitBtn* BitBtn3;
  ui::TBitBtn* BitBtn4;
  ui::TEdit* Edit1;
  ui::TBitBtn* BitBtn6;
  ui::TButton* Button1;
  ui::TBitBtn* BitBtn5;

  ui::TPopupMenu* MenuMonth;  // items MenuMonth_1 ... MenuMonth_12, Tag 1 ... 12
  ui::TPopupMenu* MenuYear;   // filled by FormCreate
  ui::TPopupMenu* PopupMenu1;
  ui::TMenuItem* N1;
  ui::TMenuItem* N2;
  ui::TMenuItem* N3;
  ui::TMenuItem* N4;
  ui::TMenuItem* N5;
  ui::TMenuItem* N6;  // 皮肤: the built-in skins and the skins folder's, filled as the menu opens
  // The notification-area icon's menu, made by StayResident.
  ui::TPopupMenu* IconMenu = nullptr;
  ui::TMenuItem* IconExit = nullptr;

  // Skins the window, its controls and its menus with the embedded skin.
  skin::TSkinData* SkinData1;

  // How the search and the shortcuts open pages, and where the start-with-
  // Windows items write; tests record or redirect them.
  TPageOpener OpenPage = OpenInDefaultBrowser;
  TStartWithWindows StartWithWindows;

  // The grid, built by CreateDayCells; index 0 is unused, cells are 1 ... 37.
  std::array<ui::TLabel*, kCellCount + 1> DayCells{};
  std::array<ui::TLabel*, kCellCount + 1> LunarCells{};
  // The 休 or 班 in each cell's top right corner, clear of the day number.
  std::array<ui::TLabel*, kCellCount + 1> HolidayMarks{};

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(ui::TMessage& message) override;

 private:
  // Construction (layout.cpp, menus.cpp).
  void CreateLayout();
  void CreateGraphicControls();
  void CreateWindowedControls();
  void CreateMenus();
  // SkinData1 with its stored settings, its SkinStream read from the program's resource (skin_data1.cpp).
  void CreateSkinData();
  void FinishLoading();

  // FormCreate's run-time parts (menus.cpp, day_cells.cpp).
  void SetMonthMenuCaptions();
  void CreateYearMenu();
  void CreateDayCells();

  void ShowInformation(const TInformationTexts& info);

  // Form events.
  void FormCreate(ui::TComponent* sender);
  void FormShow(ui::TComponent* sender);
  void FormDeactivate(ui::TComponent* sender);
  void FormClose(ui::TComponent* sender, ui::TCloseAction& action);
  // Dragging: the form, its background, the grid area, the header areas, the year.
  void FormMouseDown(ui::TComponent* sender, ui::TMouseButton button, ui::TShiftState shift, int x, int y);

  // Navigation.
  void image_todayClick(ui::TComponent* sender);
  void lbl4Click(ui::TComponent* sender);
  void N1Click(ui::TComponent* sender);
  void ShowToday();
  // Shows the selection's month, marks and all.
  void ShowSelection();
  void MenuMonthPopup(ui::TComponent* sender);
  void MenuYearPopup(ui::TComponent* sender);
  // Keys of the whole window (keys_and_wheel.cpp); the search box keeps its own.
  void CalendarKeyDown(ui::TComponent* sender, WORD& key, ui::TShiftState shift);
  void TurnByWheel(int delta);
  void LoadHolidayFiles();
  void MenuMonth_1Click(ui::TComponent* sender);
  void MenuYearClick(ui::TComponent* sender);
  void SpeedButton1Click(ui::TComponent* sender);
  void SpeedButton2Click(ui::TComponent* sender);
  void BitBtn5Click(ui::TComponent* sender);
  void CnDayMouseDown(ui::TComponent* sender, ui::TMouseButton button, ui::TShiftState shift, int x, int y);
  void ChnDateMouseDown(ui::TComponent* sender, ui::TMouseButton button, ui::TShiftState shift, int x, int y);
  void SelectCellDay(const ui::TComponent& label);
  void CnDayClick(ui::TComponent* sender);
  void CHnDayClick(ui::TComponent* sender);

  // The search box, the web shortcuts and start-with-Windows
  // (web_and_startup_handlers.cpp).
  void Edit1Change(ui::TComponent* sender);
  void Edit1KeyDown(ui::TComponent* sender, WORD& key, ui::TShiftState shift);
  void Edit1KeyPress(ui::TComponent* sender, wchar_t& key);
  void BitBtn6Click(ui::TComponent* sender);
  void Button1Click(ui::TComponent* sender);
  void BitBtn1Click(ui::TComponent* sender);
  void BitBtn2Click(ui::TComponent* sender);
  void BitBtn3Click(ui::TComponent* sender);
  void BitBtn4Click(ui::TComponent* sender);
  // Shared by BitBtn1 ... BitBtn5 and Button1.
  void BitBtn1MouseUp(ui::TComponent* sender, ui::TMouseButton button, ui::TShiftState shift, int x, int y);
  void N2Click(ui::TComponent* sender);
  void N3Click(ui::TComponent* sender);
  // Registers, or removes the registration when there is one.
  void ToggleStartWithWindows();
  void PopupMenu1Popup(ui::TComponent* sender);
  void FillSkinMenu();
  void SkinItemClick(ui::TComponent* sender);
  // True when worn; else the user was told.
  bool WearSkinChoice(const TSkinChoice& choice);
  void N4Click(ui::TComponent* sender);
  void N5Click(ui::TComponent* sender);
  void OpenShortcut(TSite site);

  // A later copy of the program asked for the calendar (resident.cpp).
  void BringToFront();
  void IconExitClick(ui::TComponent* sender);
  std::wstring IconTip() const;

  TTodaySource today_;
  std::unique_ptr<TNotificationIcon> icon_;
  std::unique_ptr<TDayTooltips> dayTips_;
  TWheelTurns wheel_;
  std::vector<TSkinChoice> skinChoices_;  // as the 皮肤 menu lists them, by item Tag
  std::wstring wornSkinKey_ = kSkinResource;
};

}  // namespace DateWin
