#pragma once
// Names of the pictures and the skin embedded in rilvanta.exe (see rilvanta.rc).

namespace DateWin {

inline constexpr wchar_t kTodayPictureResource[] = L"TODAY_JPEG";  // RCDATA: the today lettering
inline constexpr char kNavigationGlyph[] = "GLYPH_NAV";
inline constexpr char kShoppingGlyph[] = "GLYPH_SHOPPING";
inline constexpr char kMallGlyph[] = "GLYPH_MALL";
inline constexpr char kTaobaoGlyph[] = "GLYPH_TAOBAO";
inline constexpr char kSettingsGlyph[] = "GLYPH_SETTINGS";
inline constexpr wchar_t kSkinResource[] = L"DEFAULT_SKIN";  // RCDATA: the skin archive

}  // namespace DateWin
