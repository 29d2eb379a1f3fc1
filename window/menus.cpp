// The three popup menus: the month menu (captions from the locale), the year
// menu of 15 decades and the settings menu.

#include <string>
#include <string_view>

#include "window/frm_date.h"
#include "window/gbk_literal.h"
#include "window/locale_texts.h"
#include "window/model/selection.h"

namespace DateWin {
namespace {

constexpr int kDecades = 15;
constexpr int kYearsPerDecade = 10;

ui::TMenuItem* AddItem(ui::TComponent* owner, ui::TMenuItem* parent, std::string name, std::string caption,
                       ui::TNotifyEvent onClick) {
  auto* item = new ui::TMenuItem(owner);
  item->SetName(std::move(name));
  item->SetCaption(std::move(caption));
  item->OnClick = std::move(onClick);
  parent->Add(item);
  return item;
}

// Month and year items are chosen with the left button; right-to-left is
// asked for and holds only under a right-to-left locale.
ui::TPopupMenu* NavigationMenu(ui::TComponent* owner, std::string name) {
  auto* menu = new ui::TPopupMenu(owner);
  menu->SetName(std::move(name));
  menu->TrackButton = ui::TTrackButton::tbLeftButton;
  menu->SetBiDiMode(ui::TBiDiMode::bdRightToLeft);
  return menu;
}

}  // namespace

void TFRM_Date::CreateMenus() {
  MenuMonth = NavigationMenu(this, "MenuMonth");
  for (int month = 1; month <= 12; ++month) {
    ui::TMenuItem* item = AddItem(this, MenuMonth->Items(), "MenuMonth_" + std::to_string(month), Gbk("一月"),
                                  [this](ui::TComponent* s) { MenuMonth_1Click(s); });
    item->SetTag(month);
  }
  MenuMonth->OnPopup = [this](ui::TComponent* s) { MenuMonthPopup(s); };
  MenuYear = NavigationMenu(this, "MenuYear");
  MenuYear->OnPopup = [this](ui::TComponent* s) { MenuYearPopup(s); };

  PopupMenu1 = new ui::TPopupMenu(this);
  PopupMenu1->SetName("PopupMenu1");
  PopupMenu1->OnPopup = [this](ui::TComponent* s) { PopupMenu1Popup(s); };
  ui::TMenuItem* settings = PopupMenu1->Items();
  N1 = AddItem(this, settings, "N1", Gbk("返回今日"), [this](ui::TComponent* s) { N1Click(s); });
  N2 = AddItem(this, settings, "N2", Gbk("开机启动"), [this](ui::TComponent* s) { N2Click(s); });
  N3 = AddItem(this, settings, "N3", Gbk("开机运行"), [this](ui::TComponent* s) { N3Click(s); });
  N4 = AddItem(this, settings, "N4", Gbk("人工帮助"), [this](ui::TComponent* s) { N4Click(s); });
  N5 = AddItem(this, settings, "N5", Gbk("官方网站"), [this](ui::TComponent* s) { N5Click(s); });
  N6 = AddItem(this, settings, "N6", Gbk("皮肤"), nullptr);
}

void TFRM_Date::SetMonthMenuCaptions() {
  for (int month = 1; month <= 12; ++month)
    if (auto* item = dynamic_cast<ui::TMenuItem*>(FindComponent("MenuMonth_" + std::to_string(month))))
      item->SetCaption(LongMonthName(month));
}

// Each decade's group is captioned with the year before its first year
// ("1900" holds 1901 ... 1910).
void TFRM_Date::CreateYearMenu() {
  for (int decade = 0; decade < kDecades; ++decade) {
    const int first = kFirstYear + kYearsPerDecade * decade;
    const std::string groupCaption = std::to_string(first - 1);
    ui::TMenuItem* group = AddItem(this, MenuYear->Items(), "MenuYear_" + groupCaption, groupCaption, nullptr);
    for (int year = first; year < first + kYearsPerDecade; ++year) {
      const std::string caption = std::to_string(year);
      ui::TMenuItem* item =
          AddItem(this, group, "MenuYear_" + caption, caption, [this](ui::TComponent* s) { MenuYearClick(s); });
      item->SetTag(year);
    }
  }
}

}  // namespace DateWin
