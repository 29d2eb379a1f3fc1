// Ownership, names, tags and class names: what the skin engine walks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/controls/bit_btn.h"
#include "ui/controls/button.h"
#include "ui/controls/label.h"
#include "ui/controls/speed_button.h"
#include "ui/menus/popup_menu.h"
#include "ui_test_support.h"

namespace {

// Records its own destruction, so the order owners free in can be checked.
class TProbe : public ui::TComponent {
 public:
  TProbe(ui::TComponent* owner, std::string name, std::vector<std::string>& log) : TComponent(owner), log_(log) {
    SetName(std::move(name));
  }
  ~TProbe() override { log_.push_back(Name()); }

 private:
  std::vector<std::string>& log_;
};

TEST(ComponentOwnership, OwnerFreesWhatItOwnsLastFirstAndFreedComponentsLeaveTheList) {
  std::vector<std::string> freed;
  auto* owner = new ui::TComponent(nullptr);
  new TProbe(owner, "First", freed);
  auto* second = new TProbe(owner, "Second", freed);
  new TProbe(second, "Grandchild", freed);
  new TProbe(owner, "Third", freed);
  ASSERT_EQ(owner->ComponentCount(), 3);
  EXPECT_EQ(owner->Components(1), second);

  delete second;
  EXPECT_EQ(freed, (std::vector<std::string>{"Second", "Grandchild"})) << "its own destructor first, then what it owns";
  ASSERT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(owner->Components(1)->Name(), "Third");

  delete owner;
  EXPECT_EQ(freed, (std::vector<std::string>{"Second", "Grandchild", "Third", "First"}));
}

TEST(ComponentOwnership, RemovedComponentSurvivesItsFormerOwner) {
  std::vector<std::string> freed;
  auto* owner = new ui::TComponent(nullptr);
  auto* kept = new TProbe(owner, "Kept", freed);
  owner->RemoveComponent(kept);
  delete owner;
  EXPECT_TRUE(freed.empty());
  EXPECT_EQ(kept->Owner(), nullptr);
  delete kept;
  EXPECT_EQ(freed, std::vector<std::string>{"Kept"});
}

TEST(ComponentOwnership, FindComponentIgnoresLetterCase) {
  ui::TComponent owner(nullptr);
  auto* item = new ui::TComponent(&owner);
  item->SetName("MenuMonth_12");
  item->SetTag(12);
  ASSERT_EQ(owner.FindComponent("menumonth_12"), item);
  EXPECT_EQ(owner.FindComponent("MenuMonth_12")->Tag(), 12);
  EXPECT_EQ(owner.FindComponent("MenuMonth_1"), nullptr);
}

TEST(ComponentClassNames, SkinEngineCanDispatchOnClassNameAndKind) {
  ui::TComponent owner(nullptr);
  ui::TBitBtn* bitButton = new ui::TBitBtn(&owner);
  ui::TSpeedButton* speedButton = new ui::TSpeedButton(&owner);
  ui::TPopupMenu* menu = new ui::TPopupMenu(&owner);
  EXPECT_EQ(bitButton->ClassName(), "TBitBtn");
  EXPECT_NE(dynamic_cast<ui::TButton*>(bitButton), nullptr) << "a bitmap button is a push button too";
  EXPECT_EQ(speedButton->ClassName(), "TSpeedButton");
  EXPECT_EQ(dynamic_cast<ui::TWinControl*>(static_cast<ui::TControl*>(speedButton)), nullptr);
  EXPECT_EQ(menu->ClassName(), "TPopupMenu");
  EXPECT_EQ(menu->Items()->ClassName(), "TMenuItem");
}

TEST(ParentWindows, AChildAskedForItsWindowFirstGetsOneWithItsParents) {
  ui::TForm form(nullptr);
  auto* button = new ui::TButton(&form);
  button->SetParent(&form);
  const HWND window = button->Handle();
  EXPECT_EQ(GetParent(window), form.Handle());
  EXPECT_EQ(GetTopWindow(form.Handle()), window);
  EXPECT_EQ(GetWindow(window, GW_HWNDNEXT), nullptr) << "one window for the button";
}

class ParentOwnership : public ui_test::FormTest {};

TEST_F(ParentOwnership, FreeingAParentFreesItsChildControlsWhoeverOwnsThem) {
  auto* box = new ui::TPanel(form);
  box->SetParent(panel);
  auto* label = new ui::TLabel(form);
  label->SetName("Inner");
  label->SetParent(box);
  const int owned = form->ComponentCount();
  const int children = panel->ControlCount();
  delete box;
  EXPECT_EQ(form->ComponentCount(), owned - 2);
  EXPECT_EQ(form->FindComponent("Inner"), nullptr);
  EXPECT_EQ(panel->ControlCount(), children - 1);
}

TEST_F(ParentOwnership, WindowedControlFollowsItsParentWithItsWindow) {
  auto* box = new ui::TPanel(form);
  box->SetParent(panel);
  auto* button = new ui::TButton(form);
  button->SetParent(box);
  EXPECT_EQ(GetParent(button->Handle()), box->Handle());
  button->SetParent(panel);
  const HWND window = button->Handle();
  EXPECT_EQ(GetParent(window), panel->Handle());
  EXPECT_EQ(ui::TWinControl::FromHandle(window), button);
  EXPECT_EQ(box->ControlCount(), 0);
  button->SetParent(nullptr);
  EXPECT_FALSE(button->HandleAllocated()) << "no window without a parent";
  EXPECT_EQ(ui::TWinControl::FromHandle(window), nullptr) << "a destroyed window leads to no control";
  EXPECT_EQ(ui::TWinControl::FromHandle(GetDesktopWindow()), nullptr);
  button->SetParent(box);
  EXPECT_TRUE(IsWindow(button->Handle()));
  EXPECT_EQ(GetParent(button->Handle()), box->Handle());
}

TEST_F(ParentOwnership, SiblingsLetGoOfAFreedComponent) {
  auto* label = new ui::TLabel(form);
  auto* menu = new ui::TPopupMenu(form);
  label->SetParent(panel);
  label->SetPopupMenu(menu);
  delete menu;
  EXPECT_EQ(label->PopupMenu(), nullptr);
}

TEST_F(ParentOwnership, ChildrenFollowTheParentFontUntilGivenTheirOwn) {
  auto* follower = new ui::TLabel(form);
  auto* own = new ui::TLabel(form);
  follower->SetParent(panel);
  own->SetParent(panel);
  own->Font().SetHeight(20);
  panel->Font().SetName("Arial Black");
  panel->Font().SetHeight(30);
  EXPECT_EQ(follower->Font().Name(), "Arial Black");
  EXPECT_EQ(follower->Font().Height(), 30);
  EXPECT_FALSE(own->ParentFont());
  EXPECT_EQ(own->Font().Height(), 20);
}

}  // namespace
