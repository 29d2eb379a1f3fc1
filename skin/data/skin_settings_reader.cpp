#include "skin/data/skin_settings_reader.h"

#include <algorithm>
#include <string>

#include "skin/data/bitmap_operations.h"
#include "skin/data/colour_keys.h"
#include "skin/data/element_table.h"
#include "skin/data/frame_counts.h"

namespace skin {
namespace {

std::string AsciiUpper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - ('a' - 'A'));
  }
  return upper;
}

// Section names of the text whose upper-case form starts with `prefix` and is
// none of `excluded`, in file order.
std::vector<std::string> SectionsStartingWith(const TIniText& ini, std::string_view prefix,
                                              std::initializer_list<std::string_view> excluded) {
  std::vector<std::string> kept;
  for (const std::string& name : ini.ReadSections()) {
    const std::string upper = AsciiUpper(name);
    if (upper.starts_with(prefix) && std::ranges::find(excluded, upper) == excluded.end()) kept.push_back(name);
  }
  return kept;
}

// The state count of a button picture whose section gives none: three states
// for a picture up to 3.8 times as wide as high, else six.
std::int32_t GuessButtonStates(const TDataSkinSysButton& button) {
  if (button.Action < 0 || button.Bitmap.Empty()) return 6;
  const double ratio = static_cast<double>(button.Bitmap.Width()) / button.Bitmap.Height();
  return ratio <= 3.8 ? 3 : 6;
}

}  // namespace

void ReadSkinSettings(TSkinSettings& skin, std::string_view settingsText, const TEntryLookup& entries,
                      TSkinBudget& budget) {
  skin.SkinEmpty = true;
  const TIniText ini(settingsText, &budget);
  TSkinPictures pictures(entries, budget);
  TSkinSettingsReader(skin, ini, pictures, budget).ReadSkinSettings();
}

void ReadSkinSettings(TSkinSettings& skin, std::string_view settingsText, const TEntryLookup& entries) {
  TSkinBudget budget;
  ReadSkinSettings(skin, settingsText, entries, budget);
}

void TSkinSettingsReader::ReadSkinSettings() {
  skin_.SkinEmpty = true;
  skin_.SkinName = ini_.ReadString("TitlebarSkin", "SkinName", "");
  ReadBorders();
  ReadColours();
  ReadSysButtons();
  ReadButtons();
  ReadTitle("Personality");
  ReadBitmapElement(skin_.Progress, "Progress");
  ReadMenuBar("Personality");
  for (const TElementEntry& entry : kElementTable) {
    if (const auto* field = std::get_if<TObjectField>(&entry.Record)) {
      ReadElement(skin_.**field, entry.Section);
    } else {
      ReadBorderElement(skin_.*std::get<TBorderField>(entry.Record), entry.Section, entry.SecondImageKey);
    }
    if (entry.Section == "ComboButton" && skin_.ComboButton && !skin_.ComboButton->Bitmap.Empty()) {
      budget_.Reserve(skin_.ComboButton->Bitmap.Bits().size(), "the mirrored combo button");
      skin_.ComboButton->Bitmap2 = skin_.ComboButton->Bitmap;
      MirrorBitmap(skin_.ComboButton->Bitmap2);
      // The one element with a second picture whose style means something: 1 asks for the plain combo box.
      skin_.ComboButton->Style = ini_.ReadInteger("ComboButton", "Style", 0);
    }
  }
  SetFrameCounts(skin_, ini_);
  skin_.SkinEmpty = false;
}

std::int32_t TSkinSettingsReader::ReadLength(std::string_view section, std::string_view key,
                                             std::int32_t fallback) const {
  return std::clamp(ini_.ReadInteger(section, key, fallback), 0, kMaxSkinLength);
}

std::int32_t TSkinSettingsReader::ReadPlace(std::string_view section, std::string_view key,
                                            std::int32_t fallback) const {
  return std::clamp(ini_.ReadInteger(section, key, fallback), -kMaxSkinLength, kMaxSkinLength);
}

void TSkinSettingsReader::LoadKeyBitmap(TSkinBitmap& bitmap, std::string_view section, std::string_view key) const {
  bitmap = pictures_.Picture(ini_.ReadString(section, key, ""));
}

void TSkinSettingsReader::ReadBorders() {
  struct TBorder {
    TDataSkinBorder& Record;
    bool Vertical;  // left and right: margins at top and bottom; top and bottom: at left and right
  };
  for (const TBorder& border : {TBorder{skin_.LeftBorder, true}, TBorder{skin_.RightBorder, true},
                                TBorder{skin_.TopBorder, false}, TBorder{skin_.BottomBorder, false}}) {
    TDataSkinBorder& record = border.Record;
    const std::string& x = record.Name;
    const std::int32_t first = ReadLength("Personality", x + "TopHeight", 0);
    const std::int32_t second = ReadLength("Personality", x + "BotHeight", 0);
    record.TopHeight = border.Vertical ? first : 0;
    record.BottomHeight = border.Vertical ? second : 0;
    record.LeftWidth = border.Vertical ? 0 : first;
    record.RightWidth = border.Vertical ? 0 : second;
    record.Tile = ini_.ReadInteger("Personality", x + "Stretch", 1);
    record.Trans = ini_.ReadInteger("Personality", x + "Trans", 1);
    LoadKeyBitmap(record.Bitmap, "Personality", x);
    // Left and right states lie side by side, top and bottom ones stacked.
    record.FrameCount = UsableStates(ini_.ReadInteger("Personality", x + "Frame", 1),
                                     border.Vertical ? record.Bitmap.Width() : record.Bitmap.Height());
  }
}

void TSkinSettingsReader::ReadColours() {
  const auto colour = [this](std::string_view key, TColour fallback) {
    return ReadColourKey(ini_, "Colours", key, fallback);
  };
  skin_.WindowTextColour = colour("WindowText", clWindowText);
  skin_.ButtonFaceColour = colour("ButtonFace", clBtnFace);
  skin_.ScrollbarColour = colour("Scrollbar", clScrollBar);
  skin_.HilightTextColour = colour("HilightText", clHighlightText);
  skin_.HilightColour = colour("Hilight", clHighlight);
  skin_.MenubarColour = colour("Menubar", skin_.ButtonFaceColour);
  skin_.MenuColour = colour("Menu", clMenu);
  skin_.MenuTextColour = colour("MenuText", clMenuText);
  skin_.ButtonTextColour = colour("ButtonText", clBtnText);
  skin_.ButtonHilightColour = colour("ButtonHilight", clBtnHighlight);
  skin_.ButtonlightColour = colour("Buttonlight", clBtnHighlight);
  skin_.ButtonShadowColour = colour("ButtonShadow", clBtnShadow);
  skin_.ButtonDkShadowColour = colour("ButtonDkShadow", clBtnShadow);
  skin_.MenuBarTextColour = colour("MenuBarText", clMenuText);
  skin_.TitleTextActiveColour = colour("TitleTextActive", clCaptionText);
  skin_.TitleTextNoActiveColour = colour("TitleTextNoActive", clInactiveCaptionText);

  skin_.NumberedColours.clear();
  for (const std::string& section : SectionsStartingWith(ini_, "COLOUR", {"COLOURS"})) {
    skin_.NumberedColours.push_back(ReadColourKey(ini_, section, "color", clWindowText));
  }
}

TDataSkinSysButton TSkinSettingsReader::ReadSysButton(const std::string& section) const {
  auto button = NamedRecord<TDataSkinSysButton>(AsciiUpper(section));
  button.Action = ini_.ReadInteger(section, "Action", 0);
  button.Align = ini_.ReadInteger(section, "Align", 0);
  button.XCoord = ReadPlace(section, "Xcoord", 0);
  button.YCoord = ReadPlace(section, "Ycoord", 0);
  button.Visibility = ini_.ReadInteger(section, "Visibility", 0);
  button.Visibility1 = ini_.ReadInteger(section, "Visibility1", 0);
  button.CombineOp = ini_.ReadInteger(section, "CombineOp", -1);
  button.FrameCount = ini_.ReadInteger(section, "frame", 0);
  LoadKeyBitmap(button.Bitmap, section, "ButtonImage");
  if (button.FrameCount == 0) {
    button.FrameCount = GuessButtonStates(button);
    // The frame draws the window's icon in place of these two buttons.
    if (button.Action == 3 || button.Action == 11) button.Bitmap.Clear();
  }
  button.FrameCount = UsableStates(button.FrameCount, button.Bitmap.Width());
  return button;
}

void TSkinSettingsReader::ReadSysButtons() {
  skin_.SysButtons.clear();
  for (const std::string& section :
       SectionsStartingWith(ini_, "BUTTON", {"BUTTONS", "BUTTON.RADIO", "BUTTON.CHECKBOX"})) {
    skin_.SysButtons.push_back(ReadSysButton(section));
  }
  const std::size_t first = skin_.SysButtons.size();
  for (std::int32_t action : {7, 8, 9}) {
    TDataSkinSysButton mdiButton;
    mdiButton.Action = action;
    mdiButton.Align = mdiButton.Visibility = mdiButton.Visibility1 = 100;
    mdiButton.FrameCount = 4;
    skin_.SysButtons.push_back(std::move(mdiButton));
  }
  CutMdiButtons(first);
}

void TSkinSettingsReader::CutMdiButtons(std::size_t first) {
  TSkinBitmap controls;
  LoadKeyBitmap(controls, "MDICONTROLS", "Image");
  if (controls.Empty()) return;
  budget_.Reserve(controls.Bits().size(), "the multiple-document buttons");
  // Twelve states in all, four for each of the three buttons.
  const int w = controls.Width() / 12;
  for (int j = 0; j < 3; ++j) {
    TDataSkinSysButton& button = skin_.SysButtons.at(first + static_cast<std::size_t>(j));
    button.Bitmap = controls.Copy(4 * w * j, 0, 4 * w, controls.Height());
    button.XCoord = (3 - j) * (w + 4);
  }
}

void TSkinSettingsReader::ReadMargins(TDataSkinObject& record, std::string_view section, bool withStyle) const {
  if (withStyle) record.Style = ini_.ReadInteger(section, "Style", 0);
  record.LeftWidth = ReadLength(section, "LeftWidth", 0);
  record.RightWidth = ReadLength(section, "RightWidth", 0);
  record.TopHeight = ReadLength(section, "TopHeight", 0);
  record.BottomHeight = ReadLength(section, "BottomHeight", 0);
  record.Trans = ini_.ReadInteger(section, "Trans", 0);
  record.Tile = ini_.ReadInteger(section, "Tile", 0);
}

void TSkinSettingsReader::ReadStateColours(TDataSkinObject& record, std::string_view section) const {
  record.NormalColour = ini_.ReadInteger(section, "NormalColour", -1);
  record.MouseOverColour = ini_.ReadInteger(section, "MouseOverColour", -1);
  record.PressedColour = ini_.ReadInteger(section, "PressedColour", -1);
  record.NormalColour2 = ReadColourKey(ini_, section, "NormalColour2", skin_.ButtonTextColour);
  record.MouseOverColour2 = ReadColourKey(ini_, section, "MouseOverColour2", skin_.ButtonTextColour);
  record.PressedColour2 = ReadColourKey(ini_, section, "PressedColour2", skin_.ButtonTextColour);
}

void TSkinSettingsReader::ReadButtons() {
  TDataSkinButton& buttons = skin_.Buttons;
  LoadKeyBitmap(buttons.Bitmap, "Buttons", "Bitmap");
  LoadKeyBitmap(buttons.CheckBitmap, "Buttons", "CheckButton");
  LoadKeyBitmap(buttons.RadioBitmap, "Buttons", "RadioButton");
  ReadMargins(buttons, "Buttons", false);  // a "Tile" above 1 stays here
  ReadStateColours(buttons, "Buttons");
  buttons.RadioFrameCount = ini_.ReadInteger("Buttons", "RadioButtonFrame", 0);
  buttons.CheckFrameCount = ini_.ReadInteger("Buttons", "CheckButtonFrame", 0);
}

void TSkinSettingsReader::ReadTitle(std::string_view section) {
  TDataSkinTitle& title = skin_.Title;
  LoadKeyBitmap(title.Bitmap, section, "TextBack");
  title.LeftWidth = ReadPlace(section, "TextShift", 0);
  title.TopHeight = ReadPlace(section, "TextShiftVert", 0);
  title.RightWidth = ReadPlace(section, "TextRightClip", 0);
  title.BottomHeight = 0;
  title.TextAlignment = ini_.ReadInteger(section, "TextAlignment", 0);
  title.TextBackground = ini_.ReadInteger(section, "Textbackground", 0);
  title.FontHeight = ReadPlace("Fonts", "FontHeight", 14);  // negative: the characters' height
  title.TextBackLeft = ReadLength(section, "TXTBackleft", 0);
  title.TextBackRight = ReadLength(section, "TXTBackRight", 0);
  title.ActiveTextColour = title.InactiveTextColour = TDataSkinTitle::kNoTextColour;
  ReadRGBKeys(ini_, section, "ActiveText", title.ActiveTextColour);
  ReadRGBKeys(ini_, section, "InActiveText", title.InactiveTextColour);
}

template <class TRecord>
TRecord* TSkinSettingsReader::StartElement(std::optional<TRecord>& record, std::string_view section,
                                           std::string_view imageKey) const {
  record.reset();
  const std::string image = ini_.ReadString(section, imageKey, "");
  if (image.empty()) return nullptr;
  TRecord& element = record.emplace(NamedRecord<TRecord>(std::string(section)));
  element.Bitmap = pictures_.Picture(image);
  return &element;
}

void TSkinSettingsReader::ReadMenuBar(std::string_view section) {
  TDataSkinObject* menuBar = StartElement(skin_.MenuBar, section, "menuBar");
  if (!menuBar) return;
  menuBar->TopHeight = menuBar->BottomHeight = 0;
  menuBar->Tile = ini_.ReadInteger(section, "TileMenu", 0);
  menuBar->LeftWidth = ReadLength(section, "TileLeftMenu", 1);
  menuBar->RightWidth = ReadLength(section, "TileRightMenu", 1);
}

void TSkinSettingsReader::ReadGenericFields(TDataSkinObject& record, std::string_view section, bool withStyle) const {
  ReadMargins(record, section, withStyle);
  ReadStateColours(record, section);
  if (record.Tile > 1) record.Tile = 0;
}

void TSkinSettingsReader::ReadElement(std::optional<TDataSkinObject>& record, std::string_view section) {
  if (TDataSkinObject* element = StartElement(record, section, "Image")) ReadGenericFields(*element, section, true);
}

void TSkinSettingsReader::ReadBorderElement(std::optional<TDataSkinBorder>& record, std::string_view section,
                                            std::string_view secondImageKey) {
  TDataSkinBorder* element = StartElement(record, section, "Image");
  if (!element) return;
  LoadKeyBitmap(element->Bitmap2, section, secondImageKey);
  ReadGenericFields(*element, section, false);
}

void TSkinSettingsReader::ReadBitmapElement(std::optional<TDataSkinBorder>& record, std::string_view section) {
  TDataSkinBorder* element = StartElement(record, section, "Bitmap");
  if (!element) return;
  LoadKeyBitmap(element->Bitmap2, section, "Chunk");
  ReadMargins(*element, section, true);  // no colours here, and "Tile" is not limited
}

}  // namespace skin
