#pragma once
// Reads a skin's settings text into its element records and colours, loading
// each picture from the skin archive's entries as the text names it.

#include <optional>
#include <string_view>

#include "skin/data/entry_bitmap.h"
#include "skin/data/ini_text.h"
#include "skin/data/skin_settings.h"

namespace skin {

// The whole read. Missing sections, keys and pictures give defaults; an entry
// that is no valid BMP file throws EInvalidGraphic, and a text or pictures that
// would pass the budget throw ESkinTooLarge; either ends the read with
// SkinEmpty true. SkinEmpty turns false only when the read is complete.
void ReadSkinSettings(TSkinSettings& skin, std::string_view settingsText, const TEntryLookup& entries,
                      TSkinBudget& budget);
// The same with a budget of its own.
void ReadSkinSettings(TSkinSettings& skin, std::string_view settingsText, const TEntryLookup& entries);

// The readers ReadSkinSettings runs, in its order; each fills its part of the skin.
class TSkinSettingsReader {
 public:
  TSkinSettingsReader(TSkinSettings& skin, const TIniText& ini, TSkinPictures& pictures, TSkinBudget& budget)
      : skin_(skin), ini_(ini), pictures_(pictures), budget_(budget) {}

  void ReadSkinSettings();

  void ReadBorders();
  void ReadColours();
  void ReadSysButtons();
  // Cuts the three multiple-document buttons, from SysButtons[first] on, out
  // of the "MDICONTROLS" picture.
  void CutMdiButtons(std::size_t first);
  void ReadButtons();
  void ReadTitle(std::string_view section);
  void ReadMenuBar(std::string_view section);
  void ReadElement(std::optional<TDataSkinObject>& record, std::string_view section);
  void ReadBorderElement(std::optional<TDataSkinBorder>& record, std::string_view section,
                         std::string_view secondImageKey);
  void ReadBitmapElement(std::optional<TDataSkinBorder>& record, std::string_view section);

 private:
  // Drops the old record; when key `imageKey` of `section` names a picture,
  // makes a new record named after the section with that picture.
  template <class TRecord>
  TRecord* StartElement(std::optional<TRecord>& record, std::string_view section, std::string_view imageKey) const;
  // A length (0 to kMaxSkinLength) and a place (within kMaxSkinLength either way).
  std::int32_t ReadLength(std::string_view section, std::string_view key, std::int32_t fallback) const;
  std::int32_t ReadPlace(std::string_view section, std::string_view key, std::int32_t fallback) const;
  // The picture that key `key` of `section` names.
  void LoadKeyBitmap(TSkinBitmap& bitmap, std::string_view section, std::string_view key) const;
  void ReadMargins(TDataSkinObject& record, std::string_view section, bool withStyle) const;
  void ReadStateColours(TDataSkinObject& record, std::string_view section) const;
  void ReadGenericFields(TDataSkinObject& record, std::string_view section, bool withStyle) const;
  TDataSkinSysButton ReadSysButton(const std::string& section) const;

  TSkinSettings& skin_;
  const TIniText& ini_;
  TSkinPictures& pictures_;
  TSkinBudget& budget_;  // for the pictures the read makes from others
};

}  // namespace skin
