#pragma once
// Everything a loaded skin provides to the painters: element records, colours
// and the skin's name. The skin component owns one and fills it with
// ReadSkinSettings; optional elements are absent when the skin has no picture
// for them, and the painters test for that.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "skin/data/colour.h"
#include "skin/data/skin_elements.h"

namespace skin {

template <class TRecord>
TRecord NamedRecord(std::string name) {
  TRecord record;
  record.Name = std::move(name);
  return record;
}

struct TSkinSettings {
  // True until a settings read has run to its end.
  bool SkinEmpty = true;
  std::string SkinName;

  // Records that always exist.
  TDataSkinBorder LeftBorder = NamedRecord<TDataSkinBorder>("Left");
  TDataSkinBorder RightBorder = NamedRecord<TDataSkinBorder>("Right");
  TDataSkinBorder TopBorder = NamedRecord<TDataSkinBorder>("Top");
  TDataSkinBorder BottomBorder = NamedRecord<TDataSkinBorder>("Bottom");
  TDataSkinTitle Title = NamedRecord<TDataSkinTitle>("Title");
  TDataSkinButton Buttons = NamedRecord<TDataSkinButton>("Buttons");

  // The skin's title-bar buttons, then the three multiple-document buttons.
  std::vector<TDataSkinSysButton> SysButtons;

  std::optional<TDataSkinBorder> Progress;
  std::optional<TDataSkinObject> MenuBar;
  std::optional<TDataSkinObject> GroupBoxEdge;
  std::optional<TDataSkinObject> Toolbars;
  std::optional<TDataSkinBorder> Tabs;
  std::optional<TDataSkinObject> StatusBarEdges;
  std::optional<TDataSkinBorder> ComboButton;
  std::optional<TDataSkinObject> SunkEdge;
  std::optional<TDataSkinObject> ExtraImages;
  std::optional<TDataSkinObject> Headerbar;
  std::optional<TDataSkinObject> MenuItem;
  std::optional<TDataSkinObject> MenuBackground;
  std::optional<TDataSkinObject> Scrollbar;
  std::optional<TDataSkinObject> HorzScroll;
  std::optional<TDataSkinObject> VertScroll;
  std::optional<TDataSkinObject> HorzScrollThumb;
  std::optional<TDataSkinObject> VertScrollThumb;
  std::optional<TDataSkinObject> TrackbarThumbHorz;
  std::optional<TDataSkinObject> TrackbarThumbVert;
  std::optional<TDataSkinObject> TrackbarThumbLeft;
  std::optional<TDataSkinObject> TrackbarThumbRight;
  std::optional<TDataSkinObject> TrackbarThumbUp;
  std::optional<TDataSkinObject> TrackbarThumbDown;
  std::optional<TDataSkinBorder> UpDownHorz;
  std::optional<TDataSkinBorder> UpDownVert;

  // Colours of section "Colours"; system colours until a skin gives them.
  TColour WindowTextColour = syscolour::kWindowText;
  TColour ButtonFaceColour = syscolour::kButtonFace;
  TColour ScrollbarColour = syscolour::kScrollbar;
  TColour HilightTextColour = syscolour::kHighlightText;
  TColour HilightColour = syscolour::kHighlight;
  TColour MenubarColour = syscolour::kButtonFace;
  TColour MenuColour = syscolour::kMenu;
  TColour MenuTextColour = syscolour::kMenuText;
  TColour ButtonTextColour = syscolour::kButtonText;
  TColour ButtonHilightColour = syscolour::kButtonHighlight;
  TColour ButtonlightColour = syscolour::kButtonHighlight;
  TColour ButtonShadowColour = syscolour::kButtonShadow;
  TColour ButtonDkShadowColour = syscolour::kButtonShadow;
  TColour MenuBarTextColour = syscolour::kMenuText;
  TColour TitleTextActiveColour = syscolour::kCaptionText;
  TColour TitleTextNoActiveColour = syscolour::kInactiveCaptionText;

  // One colour per numbered colour section ("Colour0", "Colour1", ...), in file order.
  std::vector<TColour> NumberedColours;
};

}  // namespace skin
