#pragma once
// The optional elements that the generic readers fill, in reading order, with
// their sections and state counts.

#include <array>
#include <optional>
#include <string_view>
#include <variant>

#include "skin/data/skin_settings.h"

namespace skin {

using TObjectField = std::optional<TDataSkinObject> TSkinSettings::*;
using TBorderField = std::optional<TDataSkinBorder> TSkinSettings::*;

struct TElementEntry {
  std::string_view Section;
  std::variant<TObjectField, TBorderField> Record;
  std::string_view SecondImageKey;  // border elements only
  int FrameCount;                   // kFrameCountFromSection: the section's "FrameCount", default 3
};

constexpr int kFrameCountFromSection = 0;

// No settings text holds the key "****": the combo button's second picture is made, not read.
constexpr std::array<TElementEntry, 23> kElementTable{{
    {"GroupBoxEdge", &TSkinSettings::GroupBoxEdge, {}, 2},
    {"Toolbars", &TSkinSettings::Toolbars, {}, 5},
    {"Tabs", &TSkinSettings::Tabs, "Border", 5},
    {"StatusBarEdges", &TSkinSettings::StatusBarEdges, {}, 3},
    {"ComboButton", &TSkinSettings::ComboButton, "****", 4},
    {"SunkEdge", &TSkinSettings::SunkEdge, {}, 4},
    {"ExtraImages", &TSkinSettings::ExtraImages, {}, 5},
    {"Headerbar", &TSkinSettings::Headerbar, {}, 5},
    {"MenuItem", &TSkinSettings::MenuItem, {}, 5},
    {"MenuBackground", &TSkinSettings::MenuBackground, {}, 1},
    {"Scrollbar", &TSkinSettings::Scrollbar, {}, 23},
    {"HorzScroll", &TSkinSettings::HorzScroll, {}, 4},
    {"VertScroll", &TSkinSettings::VertScroll, {}, 4},
    {"HorzScrollThumb", &TSkinSettings::HorzScrollThumb, {}, kFrameCountFromSection},
    {"VertScrollThumb", &TSkinSettings::VertScrollThumb, {}, kFrameCountFromSection},
    {"Trackbar.ThumbHorz", &TSkinSettings::TrackbarThumbHorz, {}, 5},
    {"Trackbar.ThumbVert", &TSkinSettings::TrackbarThumbVert, {}, 5},
    {"Trackbar.ThumbLeft", &TSkinSettings::TrackbarThumbLeft, {}, 5},
    {"Trackbar.ThumbRight", &TSkinSettings::TrackbarThumbRight, {}, 5},
    {"Trackbar.ThumbUp", &TSkinSettings::TrackbarThumbUp, {}, 5},
    {"Trackbar.ThumbDown", &TSkinSettings::TrackbarThumbDown, {}, 5},
    {"UpDown.Horz", &TSkinSettings::UpDownHorz, "GlyphImage", 8},
    {"UpDown.Vert", &TSkinSettings::UpDownVert, "GlyphImage", 8},
}};

}  // namespace skin
