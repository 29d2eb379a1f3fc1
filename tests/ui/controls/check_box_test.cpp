// Check boxes, radio buttons and radio groups over the system's BUTTON
// control: their state before and after the window exists, what a click does
// to it and when OnClick hears of it.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "ui/controls/check_box.h"
#include "ui/controls/radio_button.h"
#include "ui/controls/radio_group.h"
#include "ui_test_support.h"

namespace {

class CheckBoxes : public ui_test::FormTest {
 protected:
  template <class Control>
  Control* Add(ui::TWinControl* parent, int left, int top, int width = 100, int height = 17) {
    auto* control = new Control(form);
    control->SetBounds(left, top, width, height);
    control->SetParent(parent);
    return control;
  }
  static void Click(ui::TWinControl* control) {
    SendMessageW(control->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(control->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  }
  static LRESULT WindowCheck(ui::TWinControl* control) { return SendMessageW(control->Handle(), BM_GETCHECK, 0, 0); }
};

TEST_F(CheckBoxes, CheckBoxStateReachesItsWindowAndAClickStepsThroughItBeforeOnClick) {
  auto* box = new ui::TCheckBox(form);
  box->SetState(ui::TCheckBoxState::cbGrayed);
  box->SetAlignment(ui::TAlignment::taLeftJustify);
  box->SetParent(panel);
  EXPECT_EQ(WindowCheck(box), BST_INDETERMINATE) << "kept until the window is made";
  EXPECT_NE(GetWindowLongPtrW(box->Handle(), GWL_STYLE) & BS_LEFTTEXT, 0);
  box->SetAlignment(ui::TAlignment::taRightJustify);
  EXPECT_EQ(GetWindowLongPtrW(box->Handle(), GWL_STYLE) & BS_LEFTTEXT, 0) << "changed on the live window";
  SendMessageW(box->Handle(), BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_TRUE(box->Checked()) << "the window's own state counts";

  std::vector<ui::TCheckBoxState> seen;
  box->OnClick = [&](ui::TComponent*) { seen.push_back(box->State()); };
  box->SetChecked(false);
  EXPECT_TRUE(seen.empty()) << "a change in code is no click";
  for (int i = 0; i < 3; ++i) Click(box);
  box->SetAllowGrayed(true);
  for (int i = 0; i < 3; ++i) Click(box);
  using enum ui::TCheckBoxState;
  EXPECT_EQ(seen, (std::vector{cbChecked, cbUnchecked, cbChecked, cbGrayed, cbUnchecked, cbChecked}));
}

TEST_F(CheckBoxes, CheckingARadioButtonUnchecksTheOthersOfItsParentOnly) {
  auto* first = Add<ui::TRadioButton>(panel, 10, 10);
  auto* second = Add<ui::TRadioButton>(panel, 10, 30);
  auto* elsewhere = Add<ui::TRadioButton>(Add<ui::TGroupBox>(panel, 120, 10), 10, 20);
  elsewhere->SetChecked(true);
  first->SetChecked(true);
  int clicks = 0;
  second->OnClick = [&](ui::TComponent*) {
    ++clicks;
    EXPECT_FALSE(first->Checked()) << "unchecked before the click is told";
  };
  Click(second);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(WindowCheck(second), BST_CHECKED);
  EXPECT_EQ(WindowCheck(first), BST_UNCHECKED);
  EXPECT_TRUE(elsewhere->Checked());
  Click(second);
  EXPECT_TRUE(second->Checked()) << "a checked radio button stays checked";
}

TEST_F(CheckBoxes, RadioGroupLaysItsButtonsOutInColumnsAndTellsTheCheckedItem) {
  auto* group = Add<ui::TRadioGroup>(panel, 10, 10, 200, 120);
  group->SetColumns(2);
  group->SetItems({"one", "two", "three"});
  ASSERT_EQ(group->ControlCount(), 3);
  EXPECT_EQ(group->ItemIndex(), -1);
  // Filled top to bottom: two rows, the third item heads the second column.
  EXPECT_EQ(group->Buttons(1)->Left(), group->Buttons(0)->Left());
  EXPECT_GT(group->Buttons(1)->Top(), group->Buttons(0)->Top());
  EXPECT_EQ(group->Buttons(2)->Top(), group->Buttons(0)->Top());
  EXPECT_GT(group->Buttons(2)->Left(), group->Buttons(0)->Left() + 50);
  EXPECT_LE(group->Buttons(2)->Left() + group->Buttons(2)->Width(), group->Width());

  std::vector<int> seen;
  group->OnClick = [&](ui::TComponent*) { seen.push_back(group->ItemIndex()); };
  group->SetItemIndex(0);
  Click(group->Buttons(2));
  Click(group->Buttons(1));
  EXPECT_EQ(seen, (std::vector{2, 1}));
  EXPECT_FALSE(group->Buttons(2)->Checked());
  group->SetItemIndex(-1);
  EXPECT_EQ(group->ItemIndex(), -1);
  group->SetBounds(10, 10, 300, 120);
  EXPECT_GT(group->Buttons(2)->Left(), 140) << "laid out again when resized";
  group->SetEnabled(false);
  group->SetItems({"new"});
  EXPECT_FALSE(IsWindowEnabled(group->Buttons(0)->Handle())) << "enabled as the group is";
  group->SetEnabled(true);
  EXPECT_TRUE(IsWindowEnabled(group->Buttons(0)->Handle()));
}

}  // namespace
