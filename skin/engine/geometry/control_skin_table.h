#pragma once
// Which skinner a control gets: the decisions of the control walk that need
// no window. The walk (control_walk.h) gathers the facts of a component or a
// bare child window and carries out the choice made here.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "skin/data/skin_component_types.h"

namespace skin {

// The control skinners the walk creates.
enum class TControlSkinKind {
  None,
  TabSet,  // a tab set without a window of its own
  Tab,     // a tab control window
  TrackBar,
  UpDown,
  Box,  // panels and other containers
  ComboBox,
  Edit,
  ScrollBars,      // the scroll bars of a text control
  GridScrollBars,  // the scroll bars of a grid or tree list, which scrolls itself
  BitButton,
  SpeedButton,
  Button,
  RadioButton,
  CheckBox,
  Progress,
  Sizer,  // a bare scroll bar window
  Header,
  // A list view, whose skinner gives its header a header skinner.
  ListView,
};

// How a skinner is attached: by chaining the library control's message
// handler, or by subclassing the bare window.
enum class TSkinAttach { Control, Handle };

// What the walk does to a component besides attaching a skinner.
enum class TControlPreparation {
  None,
  // The control takes the skin's button-face colour.
  ButtonFaceColour,
  // Each child control stops following its parent's colour and gets a
  // radio-button (check-box) skinner.
  ChildRadioButtons,
  ChildCheckBoxes,
};

// What the walk knows of a library component.
struct TControlFacts {
  std::string ClassName;
  int Tag = 0;
  bool IsBitBtn = false;
  bool IsSpeedButton = false;
  bool IsPanel = false;
  bool IsButton = false;
  bool IsEdit = false;
  // A tab control window of the library (its tab control or page control):
  // skinned as the tabbed notebook.
  bool IsTabControl = false;
  // A form embedded in the container.
  bool IsForm = false;
  // A windowed control with scroll bars in its style, or tagged as having them.
  bool HasScrollBars = false;
  // A date-time picker's kind: kPickerUpDown edits the date as text.
  int PickerKind = 0;
};
inline constexpr int kPickerUpDown = 1;

// What the skin component says about control skinning.
struct TControlTableSettings {
  TSkinControls Controls;
  int DisableTag = 0;
  std::span<const std::string> Skin3rd;
  // The loaded skin has a tab element.
  bool HasTabs = false;
};

struct TControlSkinChoice {
  // The table row that decided (1-based), 0 when no row matched.
  int Row = 0;
  TControlSkinKind Kind = TControlSkinKind::None;
  TSkinAttach Attach = TSkinAttach::Control;
  // The skinner sets the control's colour to the skin's button face.
  bool Recolour = false;
  TControlPreparation Preparation = TControlPreparation::None;
  // The walk goes on into the component's own components.
  bool Recurse = false;

  bool operator==(const TControlSkinChoice&) const = default;
};

// The table row of the Skin3rd mapping.
inline constexpr int kSkin3rdRow = 3;

// A component whose Tag mod 100 is the component's DisableTag gets no skinner.
bool IsDisabledTag(int tag, int disableTag);

// The kind a Skin3rd line ("class=kind") maps the class to, lowered, or
// nothing when no line names the class. Class names match whatever their case.
std::optional<std::string> Skin3rdKind(std::span<const std::string> lines, std::string_view className);

// The first row of the control table that matches; a Skin3rd line naming the
// class decides even when its kind is unknown or not skinned.
TControlSkinChoice ChooseControlSkin(const TControlFacts& facts, const TControlTableSettings& settings);

// The skinner of a bare child window by its class name (any case) and style.
struct TChildWindowSkin {
  TControlSkinKind Kind = TControlSkinKind::None;
  // The skinner goes on the window's first child (an extended combo box's combo box).
  bool OnFirstChild = false;

  bool operator==(const TChildWindowSkin&) const = default;
};
TChildWindowSkin ChooseChildWindowSkin(std::string_view className, std::uint32_t style);

}  // namespace skin
