#pragma once
// Everything a loaded skin provides to the painters: element records, colours
// and the skin's name. The skin component owns one and fills it with
// ReadSkinSettings; optional elements are absent when the skin has no picture
// for them, and the painters test for that.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "colour/colour.h"
#include "skin/data/skin_elements.h"

namespace skin {

// Lengths and places a settings text gives (margins, picture ends, text
// shifts, button places) are kept within this many pixels either way, what a
// window can show; lengths are never negative.
inline constexpr std::int32_t kMaxSkinLength = 4096;

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
  TColour WindowTextColour = clWindowText;
  TColour ButtonFaceColour = clBtnFace;
  TColour ScrollbarColour = clScrollBar;
  TColour HilightTextColour = clHighlightText;
  TColour HilightColour = clHighlight;
  TColour MenubarColour = clBtnFace;
  TColour MenuColour = clMenu;
  TColour MenuTextColour = clMenuText;
  TColour ButtonTextColour = clBtnText;
  TColour ButtonHilightColour = clBtnHighlight;
  TColour ButtonlightColour = clBtnHighlight;
  TColour ButtonShadowColour = clBtnShadow;
  TColour ButtonDkShadowColour = clBtnShadow;
  TColour MenuBarTextColour = clMenuText;
  TColour TitleTextActiveColour = clCaptionText;
  TColour TitleTextNoActiveColour = clInactiveCaptionText;

  // One colour per numbered colour section ("Colour0", "Colour1", ...), in file order.
  std::vector<TColour> NumberedColours;
};

}  // namespace skin
