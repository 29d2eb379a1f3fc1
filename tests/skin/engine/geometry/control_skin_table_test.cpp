#include "skin/engine/geometry/control_skin_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace skin {
namespace {

using enum TControlSkinKind;

class ControlSkinTableTest : public testing::Test {
 protected:
  TControlSkinChoice Choose(const TControlFacts& facts) {
    return ChooseControlSkin(
        facts, TControlTableSettings{.Controls = controls, .DisableTag = 99, .Skin3rd = skin3rd, .HasTabs = tabs});
  }
  static TControlFacts Named(std::string className, int tag = 0) {
    return TControlFacts{.ClassName = std::move(className), .Tag = tag};
  }

  TSkinControls controls = TSkinControls::Default();
  std::vector<std::string> skin3rd;
  bool tabs = true;
};

TEST_F(ControlSkinTableTest, TheCalendarsControlsGetTheirSkinners) {
  TControlFacts panel = Named("TPanel");
  panel.IsPanel = true;
  EXPECT_EQ(Choose(panel), (TControlSkinChoice{.Row = 16, .Kind = Box, .Recolour = true, .Recurse = true}));
  TControlFacts bitBtn = Named("TBitBtn");
  bitBtn.IsBitBtn = bitBtn.IsButton = true;
  EXPECT_EQ(Choose(bitBtn), (TControlSkinChoice{.Row = 14, .Kind = BitButton}));
  TControlFacts speedButton = Named("TSpeedButton");
  speedButton.IsSpeedButton = true;
  EXPECT_EQ(Choose(speedButton).Kind, SpeedButton);
  TControlFacts button = Named("TButton");
  button.IsButton = true;
  EXPECT_EQ(Choose(button), (TControlSkinChoice{.Row = 19, .Kind = Button}));
  TControlFacts edit = Named("TEdit");
  edit.IsEdit = true;
  EXPECT_EQ(Choose(edit), (TControlSkinChoice{.Row = 20, .Kind = Edit, .Attach = TSkinAttach::Handle}));
  EXPECT_EQ(Choose(Named("TLabel")), TControlSkinChoice{});
  TControlFacts embedded = Named("TForm");
  embedded.IsForm = true;
  EXPECT_EQ(Choose(embedded),
            (TControlSkinChoice{.Row = 21, .Preparation = TControlPreparation::ButtonFaceColour, .Recurse = true}));

  // Without its element a bit button falls through to the push buttons' row.
  controls.Exclude(TSkinControlType::xcBitBtn);
  EXPECT_EQ(Choose(bitBtn).Row, 19);
  controls.Exclude(TSkinControlType::xcButton);
  EXPECT_EQ(Choose(bitBtn), TControlSkinChoice{});
}

TEST_F(ControlSkinTableTest, EarlierRowsWinInTableOrder) {
  // A panel tagged as a combo box (row 10) or with scroll bars (row 18):
  // row 10 comes before the panels' row 16, row 18 after it.
  TControlFacts panel = Named("TPanel", 95);
  panel.IsPanel = true;
  EXPECT_EQ(Choose(panel).Row, 10);
  panel.Tag = 196;
  EXPECT_EQ(Choose(panel).Row, 16);
  // Scroll bars (row 18) come before push buttons (19) and edits (20).
  TControlFacts edit = Named("TEdit");
  edit.IsEdit = edit.HasScrollBars = true;
  EXPECT_EQ(Choose(edit), (TControlSkinChoice{.Row = 18, .Kind = ScrollBars}));
  EXPECT_EQ(Choose(Named("TMemo", 97)).Row, 20);  // tagged as an edit
  EXPECT_EQ(Choose(Named("TRichEdit")).Row, 12);
  EXPECT_EQ(Choose(Named("TdxDBGrid")), (TControlSkinChoice{.Row = 17, .Kind = GridScrollBars}));
  // Rows 1 and 2 keep a control out of every later row, the Skin3rd list included.
  skin3rd = {"TToolBar=button", "TQRPreview=panel"};
  EXPECT_EQ(Choose(Named("TQRPreview", 95)), TControlSkinChoice{.Row = 1});
  EXPECT_EQ(Choose(Named("TToolBar")),
            (TControlSkinChoice{.Row = 2, .Preparation = TControlPreparation::ButtonFaceColour}));
  // Class names match whatever their case.
  EXPECT_EQ(Choose(Named("TTrackBar")), (TControlSkinChoice{.Row = 7, .Kind = TrackBar}));
  EXPECT_EQ(Choose(Named("TMvcPanel")), (TControlSkinChoice{.Row = 6, .Recurse = true}));
}

TEST_F(ControlSkinTableTest, TabsNeedTheSkinsTabElement) {
  EXPECT_EQ(Choose(Named("TTabSet")).Kind, TabSet);
  EXPECT_EQ(Choose(Named("TTabbedNotebook")).Attach, TSkinAttach::Handle);
  // The library's tab and page controls are tabbed notebooks whatever their class name.
  TControlFacts pages = Named("TPageControl");
  pages.IsTabControl = true;
  EXPECT_EQ(Choose(pages), (TControlSkinChoice{.Row = 5, .Kind = Tab, .Attach = TSkinAttach::Handle}));
  tabs = false;
  EXPECT_EQ(Choose(pages), TControlSkinChoice{});
  EXPECT_EQ(Choose(Named("TTabSet")), TControlSkinChoice{});
  skin3rd = {"TMyTabs=tab"};
  EXPECT_EQ(Choose(Named("TMyTabs")), TControlSkinChoice{.Row = kSkin3rdRow});
}

TEST_F(ControlSkinTableTest, DisableTagIsTakenModHundred) {
  EXPECT_TRUE(IsDisabledTag(99, 99));
  EXPECT_TRUE(IsDisabledTag(199, 99));
  EXPECT_FALSE(IsDisabledTag(98, 99));
  EXPECT_FALSE(IsDisabledTag(-99, 99));  // a remainder keeps the sign of the tag
  EXPECT_TRUE(IsDisabledTag(1012, 12));
}

TEST_F(ControlSkinTableTest, Skin3rdMapsTheFirstLineNamingTheClass) {
  skin3rd = {"TRzButtonEdit=Edit", "TRzButton=Button", "trzbutton=panel", "TOdd=Unknown", "TRzPanel=Panel"};
  EXPECT_EQ(Skin3rdKind(skin3rd, "TRZBUTTON"), "button");
  EXPECT_EQ(Skin3rdKind(skin3rd, "TRzButt"), std::nullopt);  // the whole class name, then '='
  EXPECT_EQ(Skin3rdKind(std::vector<std::string>{"TLong=" + std::string(60, 'x')}, "TLong")->size(), 50u);

  EXPECT_EQ(Choose(Named("TRzButtonEdit")),
            (TControlSkinChoice{.Row = kSkin3rdRow, .Kind = Edit, .Attach = TSkinAttach::Handle}));
  EXPECT_EQ(Choose(Named("TRzPanel")), (TControlSkinChoice{.Row = kSkin3rdRow, .Kind = Box, .Recolour = true}));
  // An unknown kind, or a kind whose element is off, stops the table unskinned:
  // a panel (row 16) or tagged edit (row 20) goes without.
  TControlFacts odd = Named("TOdd", 97);
  odd.IsPanel = true;
  EXPECT_EQ(Choose(odd), TControlSkinChoice{.Row = kSkin3rdRow});
  controls.Exclude(TSkinControlType::xcPanel);
  EXPECT_EQ(Choose(Named("TRzPanel")), TControlSkinChoice{.Row = kSkin3rdRow});
}

TEST_F(ControlSkinTableTest, GroupsSkinTheirChildrenOnlyWithRadioButtons) {
  skin3rd = {"TRadios=Radiogroup", "TChecks=CheckGroup"};
  EXPECT_EQ(
      Choose(Named("TRadios")),
      (TControlSkinChoice{
          .Row = kSkin3rdRow, .Kind = Box, .Recolour = true, .Preparation = TControlPreparation::ChildRadioButtons}));
  EXPECT_EQ(Choose(Named("TChecks")).Preparation, TControlPreparation::ChildCheckBoxes);
  controls.Exclude(TSkinControlType::xcRadioButton);
  EXPECT_EQ(Choose(Named("TChecks")), (TControlSkinChoice{.Row = kSkin3rdRow, .Kind = Box, .Recolour = true}));
}

TEST_F(ControlSkinTableTest, BareButtonsBySystemStyle) {
  constexpr std::uint32_t kChildVisible = 0x50000000;
  struct TCase {
    std::uint32_t type;
    TControlSkinKind kind;
  };
  // BS_PUSHBUTTON to BS_AUTORADIOBUTTON, then push box, owner drawn, split
  // buttons and command links.
  const std::vector<TCase> cases{
      {0, Button},   {1, Button},  {2, CheckBox}, {3, CheckBox},    {4, RadioButton}, {5, CheckBox},
      {6, CheckBox}, {7, None},    {8, Button},   {9, RadioButton}, {10, Button},     {11, None},
      {12, Button},  {13, Button}, {14, Button},  {15, Button},
  };
  for (const TCase& each : cases)
    EXPECT_EQ(ChooseChildWindowSkin("Button", kChildVisible | 0x2000 /* BS_MULTILINE */ | each.type).Kind, each.kind)
        << "button type " << each.type;
}

TEST_F(ControlSkinTableTest, OtherBareWindowsByClass) {
  EXPECT_EQ(ChooseChildWindowSkin("ComboBox", 2), TChildWindowSkin{ComboBox});  // drop-down
  EXPECT_EQ(ChooseChildWindowSkin("COMBOBOX", 1), TChildWindowSkin{});          // simple: a list below an edit
  EXPECT_EQ(ChooseChildWindowSkin("ComboBoxEx32", 0), (TChildWindowSkin{ComboBox, true}));
  EXPECT_EQ(ChooseChildWindowSkin("ScrollBar", 1), TChildWindowSkin{Sizer});
  EXPECT_EQ(ChooseChildWindowSkin("SysTabControl32", 0), TChildWindowSkin{Tab});
  EXPECT_EQ(ChooseChildWindowSkin("SysTabControl32", 0x2000), TChildWindowSkin{});  // owner-drawn tabs
  EXPECT_EQ(ChooseChildWindowSkin("Edit", 0x80), TChildWindowSkin{Edit});
  EXPECT_EQ(ChooseChildWindowSkin("Static", 0), TChildWindowSkin{});
  EXPECT_EQ(ChooseChildWindowSkin("SysListView32", 1), TChildWindowSkin{ListView});
  EXPECT_EQ(ChooseChildWindowSkin("SysHeader32", 0), TChildWindowSkin{Header});
}

TEST_F(ControlSkinTableTest, ListViewsAndHeadersAreSkinnedWithTheScrollBars) {
  // With scroll bars, the scroll-bar row gives a list view its own skinner;
  // without them yet, a row after the table does.
  TControlFacts list = Named("TListView");
  EXPECT_EQ(Choose(list), (TControlSkinChoice{.Row = 22, .Kind = ListView}));
  list.HasScrollBars = true;
  EXPECT_EQ(Choose(list), (TControlSkinChoice{.Row = 18, .Kind = ListView}));
  EXPECT_EQ(Choose(Named("THeaderControl")), (TControlSkinChoice{.Row = 23, .Kind = Header}));
  controls.Exclude(TSkinControlType::xcScrollbar);
  EXPECT_EQ(Choose(list), TControlSkinChoice{});
  EXPECT_EQ(Choose(Named("THeaderControl")), TControlSkinChoice{});
}

}  // namespace
}  // namespace skin
