#include "tools/skinview/check_box_page.h"

#include <string>

#include "tools/skinview/control_pages.h"
#include "tools/skinview/page_group.h"
#include "tools/skinview/place_control.h"
#include "ui/controls/check_box.h"
#include "ui/controls/panel.h"
#include "ui/controls/radio_button.h"
#include "ui/controls/radio_group.h"
#include "ui/forms/form.h"

namespace skinview {
namespace {

constexpr int kRowHeight = 26, kButtonWidth = 136, kButtonHeight = 18, kSecondColumn = 156;

// A group box whose check boxes the gallery's skin component maps as a check group.
class TCheckGroup : public ui::TGroupBox {
 public:
  using TGroupBox::TGroupBox;
  std::string ClassName() const override { return "TCheckGroup"; }
};

template <class Button>
Button* PlaceButton(ui::TForm& form, ui::TWinControl* parent, int left, int row, const std::string& caption,
                    int top = kGroupTop) {
  return PlaceControl<Button>(&form, parent, left, top + row * kRowHeight, kButtonWidth, kButtonHeight, caption);
}

ui::TCheckBox* PlaceCheckBox(ui::TForm& form, ui::TWinControl* parent, int left, int row, const std::string& caption,
                             ui::TCheckBoxState state, bool enabled = true) {
  auto* box = PlaceButton<ui::TCheckBox>(form, parent, left, row, caption);
  box->SetAllowGrayed(true);
  box->SetState(state);
  box->SetEnabled(enabled);
  return box;
}

// Every state enabled on the left and disabled on the right, and the text left of the box.
void CheckBoxes(ui::TForm& form, ui::TPanel& page) {
  using enum ui::TCheckBoxState;
  ui::TPanel* group = Group(form, page, 0, 0, "Check boxes");
  PlaceCheckBox(form, group, 10, 0, "Unchecked", cbUnchecked);
  PlaceCheckBox(form, group, 10, 1, "Checked", cbChecked);
  PlaceCheckBox(form, group, 10, 2, "Indeterminate", cbGrayed);
  PlaceCheckBox(form, group, kSecondColumn, 0, "Unchecked", cbUnchecked, false);
  PlaceCheckBox(form, group, kSecondColumn, 1, "Checked", cbChecked, false);
  PlaceCheckBox(form, group, kSecondColumn, 2, "Indeterminate", cbGrayed, false);
  PlaceCheckBox(form, group, 10, 4, "Text on the left", cbChecked)->SetAlignment(ui::TAlignment::taLeftJustify);
  PlaceCheckBox(form, group, kSecondColumn, 4, "Left, disabled", cbUnchecked, false)
      ->SetAlignment(ui::TAlignment::taLeftJustify);
}

// Radio buttons of one parent check one at a time: the disabled ones have a group box of their own.
void RadioButtons(ui::TForm& form, ui::TPanel& page) {
  ui::TPanel* group = Group(form, page, 1, 0, "Radio buttons");
  PlaceButton<ui::TRadioButton>(form, group, 10, 0, "Radio one")->SetChecked(true);
  PlaceButton<ui::TRadioButton>(form, group, 10, 1, "Radio two");
  PlaceButton<ui::TRadioButton>(form, group, 10, 2, "Text on the left")->SetAlignment(ui::TAlignment::taLeftJustify);
  auto* disabled = PlaceControl<ui::TGroupBox>(&form, group, kSecondColumn - 6, kGroupTop - 6, 146, 92, "Disabled");
  constexpr int kInBox = 22;
  auto* checked = PlaceButton<ui::TRadioButton>(form, disabled, 8, 0, "Checked", kInBox);
  checked->SetChecked(true);
  checked->SetEnabled(false);
  PlaceButton<ui::TRadioButton>(form, disabled, 8, 1, "Unchecked", kInBox)->SetEnabled(false);
}

void RadioGroup(ui::TForm& form, ui::TPanel& page) {
  ui::TPanel* group = Group(form, page, 0, 1, "Radio group");
  auto* radios = PlaceControl<ui::TRadioGroup>(&form, group, 10, kGroupTop, 280, 110, "Two columns");
  radios->SetColumns(2);
  radios->SetItems({"Day", "Week", "Month", "Year", "Decade"});
  radios->SetItemIndex(2);
  auto* disabled = PlaceControl<ui::TRadioGroup>(&form, group, 10, kGroupTop + 120, 280, 56, "Disabled");
  disabled->SetColumns(2);
  disabled->SetItems({"Lunar", "Gregorian"});
  disabled->SetItemIndex(0);
  disabled->SetEnabled(false);
}

void CheckGroupAndGroupBoxes(ui::TForm& form, ui::TPanel& page) {
  ui::TPanel* group = Group(form, page, 1, 1, "Check group and group boxes");
  auto* checks = PlaceControl<TCheckGroup>(&form, group, 10, kGroupTop, 280, 90, "Check group");
  constexpr int kInBox = 20;
  PlaceButton<ui::TCheckBox>(form, checks, 10, 0, "Festivals", kInBox)->SetChecked(true);
  PlaceButton<ui::TCheckBox>(form, checks, 10, 1, "Solar terms", kInBox)->SetChecked(true);
  PlaceButton<ui::TCheckBox>(form, checks, kSecondColumn - 20, 0, "Star signs", kInBox);
  PlaceControl<ui::TGroupBox>(&form, group, 10, kGroupTop + 100, 135, 70, "Group box");
  PlaceControl<ui::TGroupBox>(&form, group, 155, kGroupTop + 100, 135, 70, "Disabled")->SetEnabled(false);
}

}  // namespace

void AddCheckBoxPage(ui::TForm& form, TControlPages& pages) {
  pages.Add("Chec&k boxes and radio buttons", [&form](ui::TPanel& page) {
    CheckBoxes(form, page);
    RadioButtons(form, page);
    RadioGroup(form, page);
    CheckGroupAndGroupBoxes(form, page);
  });
}

}  // namespace skinview
