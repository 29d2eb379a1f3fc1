#include "tools/skinview/combo_box_page.h"

#include <windows.h>

#include <string>

#include "tools/skinview/control_pages.h"
#include "tools/skinview/page_group.h"
#include "tools/skinview/place_control.h"
#include "ui/controls/combo_box.h"
#include "ui/controls/panel.h"
#include "ui/forms/form.h"

namespace skinview {
namespace {

// The tag that asks the control walk for a combo-box skinner.
constexpr int kSkinnedComboTag = 95;
constexpr int kComboWidth = 200, kComboHeight = 21, kRowHeight = 36;

ui::TComboBox* Combo(ui::TForm& form, ui::TPanel& group, int row, ui::TComboBoxStyle style, const std::string& first,
                     int height = kComboHeight) {
  auto* combo = PlaceControl<ui::TComboBox>(&form, &group, 10, kGroupTop + row * kRowHeight, kComboWidth, height);
  combo->SetStyle(style);
  combo->SetTag(kSkinnedComboTag);
  for (const std::string& item : {first, std::string("Second item"), std::string("Third item")}) combo->AddItem(item);
  combo->SetItemIndex(0);
  return combo;
}

void DropDowns(ui::TForm& form, ui::TPanel& page) {
  ui::TPanel* group = Group(form, page, 0, 0, "Drop-down");
  Combo(form, *group, 0, ui::TComboBoxStyle::csDropDown, "Editable");
  Combo(form, *group, 1, ui::TComboBoxStyle::csDropDown, "Disabled")->SetEnabled(false);
}

void DropDownLists(ui::TForm& form, ui::TPanel& page) {
  ui::TPanel* group = Group(form, page, 1, 0, "Drop-down list");
  Combo(form, *group, 0, ui::TComboBoxStyle::csDropDownList, "Pick one");
  Combo(form, *group, 1, ui::TComboBoxStyle::csDropDownList, "Disabled")->SetEnabled(false);
}

// A simple combo box has no button: its list is always shown under its edit.
void Simple(ui::TForm& form, ui::TPanel& page) {
  ui::TPanel* group = Group(form, page, 0, 1, "Simple");
  Combo(form, *group, 0, ui::TComboBoxStyle::csSimple, "Always open", 100);
}

void ScrollBarOnTheLeft(ui::TForm& form, ui::TPanel& page) {
  ui::TPanel* group = Group(form, page, 1, 1, "Scroll bar on the left");
  for (const auto& [row, style] :
       {std::pair{0, ui::TComboBoxStyle::csDropDownList}, std::pair{1, ui::TComboBoxStyle::csDropDown}}) {
    const HWND window = Combo(form, *group, row, style, "Button on the left")->Handle();
    SetWindowLongPtrW(window, GWL_EXSTYLE, GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
  }
}

}  // namespace

void AddComboBoxPage(ui::TForm& form, TControlPages& pages) {
  pages.Add("&Combo boxes", [&form](ui::TPanel& page) {
    DropDowns(form, page);
    DropDownLists(form, page);
    Simple(form, page);
    ScrollBarOnTheLeft(form, page);
  });
}

}  // namespace skinview
