#include "skin/engine/geometry/control_skin_table.h"

#include <algorithm>
#include <array>

#include "skin/engine/geometry/ascii_case.h"

namespace skin {
namespace {

using enum TControlSkinKind;
using TSkinControlType::xcButton, TSkinControlType::xcCheckBox, TSkinControlType::xcCombo, TSkinControlType::xcEdit,
    TSkinControlType::xcPanel, TSkinControlType::xcProgress, TSkinControlType::xcRadioButton,
    TSkinControlType::xcScrollbar, TSkinControlType::xcTab, TSkinControlType::xcBitBtn, TSkinControlType::xcSpeedButton;

// The longest kind a Skin3rd line gives.
constexpr std::size_t kMaxSkin3rdKind = 50;
// Tags that ask for a skinner whatever the class (taken mod 100).
constexpr int kComboBoxTag = 95;
constexpr int kScrollBarsTag = 96;
constexpr int kEditTag = 97;

bool IsOneOf(std::string_view kind, std::initializer_list<std::string_view> names) {
  return std::ranges::find(names, kind) != names.end();
}

TControlSkinChoice Choice(int row, TControlSkinKind kind, bool recolour = false,
                          TSkinAttach attach = TSkinAttach::Control) {
  return TControlSkinChoice{.Row = row, .Kind = kind, .Attach = attach, .Recolour = recolour};
}

// The Skin3rd row: the mapped kind decides, skinned only when the component's settings allow it.
TControlSkinChoice MappedChoice(std::string_view kind, const TControlTableSettings& settings) {
  const TSkinControls controls = settings.Controls;
  TControlSkinChoice choice = Choice(kSkin3rdRow, None);
  auto choose = [&](bool allowed, TControlSkinKind skinKind, bool recolour, TSkinAttach attach = TSkinAttach::Control) {
    if (allowed) choice = Choice(kSkin3rdRow, skinKind, recolour, attach);
  };
  if (kind == "combobox") choose(controls.Contains(xcCombo), ComboBox, false);
  if (kind == "edit") choose(controls.Contains(xcEdit), Edit, false, TSkinAttach::Handle);
  if (kind == "radiobutton") choose(controls.Contains(xcRadioButton), RadioButton, true);
  if (kind == "panel") choose(controls.Contains(xcPanel), Box, true);
  if (kind == "trackbar") choose(controls.Contains(xcButton), TrackBar, false);
  if (kind == "button") choose(controls.Contains(xcButton), Button, false);
  if (kind == "tab") choose(controls.Contains(xcTab) && settings.HasTabs, Tab, false, TSkinAttach::Handle);
  if (kind == "progress") choose(controls.Contains(xcProgress), Progress, false);
  if (kind == "scrollbar") choose(controls.Contains(xcScrollbar), ScrollBars, false);
  if (kind == "checkbox") choose(controls.Contains(xcCheckBox), CheckBox, true);
  if (kind == "radiogroup" || kind == "checkgroup") {
    choose(controls.Contains(xcPanel), Box, true);
    if (choice.Kind == Box && controls.Contains(xcRadioButton))
      choice.Preparation =
          kind == "radiogroup" ? TControlPreparation::ChildRadioButtons : TControlPreparation::ChildCheckBoxes;
  }
  return choice;
}

}  // namespace

bool IsDisabledTag(int tag, int disableTag) { return tag % 100 == disableTag; }

std::optional<std::string> Skin3rdKind(std::span<const std::string> lines, std::string_view className) {
  const std::string prefix = AsciiLowered(className) + "=";
  for (const std::string& line : lines) {
    const std::string lowered = AsciiLowered(line);
    if (lowered.starts_with(prefix)) return lowered.substr(lowered.find('=') + 1, kMaxSkin3rdKind);
  }
  return std::nullopt;
}

TControlSkinChoice ChooseControlSkin(const TControlFacts& facts, const TControlTableSettings& settings) {
  const std::string kind = AsciiUppered(facts.ClassName);
  const int tagKey = facts.Tag % 100;
  const TSkinControls controls = settings.Controls;
  const bool scrollBars = controls.Contains(xcScrollbar);
  const bool tabs = controls.Contains(xcTab) && settings.HasTabs;

  if (IsOneOf(kind, {"TDBCOMBOBOXEH", "TQRPREVIEW", "TFRDESIGNERPAGE", "TFRPBOX"})) return Choice(1, None);
  if (kind == "TTOOLBAR") {
    TControlSkinChoice choice = Choice(2, None);
    choice.Preparation = TControlPreparation::ButtonFaceColour;
    return choice;
  }
  if (const auto mapped = Skin3rdKind(settings.Skin3rd, facts.ClassName)) return MappedChoice(*mapped, settings);
  if (kind == "TTABSET" && tabs) return Choice(4, TabSet);
  if ((kind == "TTABBEDNOTEBOOK" || facts.IsTabControl) && tabs) return Choice(5, Tab, false, TSkinAttach::Handle);
  if (kind == "TMVCPANEL") {
    TControlSkinChoice choice = Choice(6, None);
    choice.Recurse = true;
    return choice;
  }
  if (kind == "TTRACKBAR" && controls.Contains(xcButton)) return Choice(7, TrackBar);
  if (kind == "TUPDOWN" && controls.Contains(xcButton)) return Choice(8, UpDown);
  if (kind == "TDBNAVIGATOR" && controls.Contains(xcPanel)) return Choice(9, Box, true);
  if (tagKey == kComboBoxTag && controls.Contains(xcCombo)) return Choice(10, ComboBox);
  if (kind == "TDATETIMEPICKER" && controls.Contains(xcEdit))
    return Choice(11, facts.PickerKind == kPickerUpDown ? Edit : ComboBox);
  if (scrollBars && kind == "TRICHEDIT") return Choice(12, ScrollBars);
  if (scrollBars && IsOneOf(kind, {"TWWDBRICHEDIT", "TDXDBMEMO"})) return Choice(13, ScrollBars);
  if (facts.IsBitBtn && controls.Contains(xcBitBtn)) return Choice(14, BitButton);
  if (facts.IsSpeedButton && controls.Contains(xcSpeedButton)) return Choice(15, SpeedButton);
  if (facts.IsPanel && controls.Contains(xcPanel)) {
    TControlSkinChoice choice = Choice(16, Box, true);
    choice.Recurse = true;
    return choice;
  }
  if (IsOneOf(kind, {"TDXTREELIST", "TDXDBTREELIST", "TDXDBGRID"}) && scrollBars) return Choice(17, GridScrollBars);
  // A list view's scroll-bar skinner is the list-view skinner, which skins its header too.
  const bool listView = kind == "TLISTVIEW";
  if (scrollBars && (tagKey == kScrollBarsTag || facts.HasScrollBars))
    return Choice(18, listView ? ListView : ScrollBars);
  if (facts.IsButton && controls.Contains(xcButton)) return Choice(19, Button);
  if ((facts.IsEdit || tagKey == kEditTag) && controls.Contains(xcEdit))
    return Choice(20, Edit, false, TSkinAttach::Handle);
  if (facts.IsForm) {
    TControlSkinChoice choice = Choice(21, None);
    choice.Preparation = TControlPreparation::ButtonFaceColour;
    choice.Recurse = true;
    return choice;
  }
  // After the table: a list view shows scroll bars as soon as its rows
  // overflow, so one without them yet is skinned with the scroll bars too,
  // and so is a header control standing alone.
  if (scrollBars && listView) return Choice(22, ListView);
  if (scrollBars && kind == "THEADERCONTROL") return Choice(23, Header);
  return {};
}

TChildWindowSkin ChooseChildWindowSkin(std::string_view className, std::uint32_t style) {
  const std::string name = AsciiLowered(className);
  if (name == "button") {
    // The button types after the radio buttons (push box, owner drawn, split
    // button, command link) are no check boxes whatever their bits say; an
    // owner-drawn button is drawn by its owner.
    constexpr std::uint32_t kTypeMask = 0xF, kLastRadioType = 9, kOwnerDrawType = 0xB;
    const std::uint32_t type = style & kTypeMask;
    if (type == kOwnerDrawType) return {};
    if (type > kLastRadioType) return {Button};
    if ((style & 7) == 7) return {};  // group box
    if ((style & 3) == 3 || (style & 2) != 0 || (style & 5) == 5) return {CheckBox};
    if ((style & 9) == 9 || (style & 4) != 0) return {RadioButton};
    return {Button};
  }
  constexpr std::uint32_t kSimpleComboBox = 1, kComboBoxTypeMask = 3, kOwnerDrawTabs = 0x2000;
  if (name == "combobox") return {(style & kComboBoxTypeMask) != kSimpleComboBox ? ComboBox : None};
  if (name == "comboboxex32") return {ComboBox, true};
  if (name == "scrollbar") return {Sizer};
  if (name == "systabcontrol32") return {(style & kOwnerDrawTabs) == 0 ? Tab : None};
  if (name == "edit") return {Edit};
  if (name == "syslistview32") return {ListView};
  if (name == "sysheader32") return {Header};
  return {};
}

}  // namespace skin
