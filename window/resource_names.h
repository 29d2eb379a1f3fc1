#pragma once
// Names of the pictures, the skin and the help page embedded in rilvanta.exe
// (see rilvanta.rc).

namespace DateWin {

inline constexpr wchar_t kTodayPictureResource[] = L"TODAY_JPEG";  // RCDATA: the today lettering
inline constexpr char kNavigationGlyph[] = "GLYPH_NAV";
inline constexpr char kShoppingGlyph[] = "GLYPH_SHOPPING";
inline constexpr char kMallGlyph[] = "GLYPH_MALL";
inline constexpr char kTaobaoGlyph[] = "GLYPH_TAOBAO";
inline constexpr char kSettingsGlyph[] = "GLYPH_SETTINGS";
inline constexpr wchar_t kSkinResource[] = L"DEFAULT_SKIN";   // RCDATA: the skin archive
inline constexpr wchar_t kDarkSkinResource[] = L"SKIN_DARK";  // RCDATA: the other built-in skin
// RCDATA: the help page and its three screenshots.
inline constexpr wchar_t kHelpPageResource[] = L"HELP_PAGE";
inline constexpr wchar_t kHelpWindowPictureResource[] = L"HELP_WINDOW_PICTURE";
inline constexpr wchar_t kHelpMenuPictureResource[] = L"HELP_MENU_PICTURE";
inline constexpr wchar_t kHelpHolidaysPictureResource[] = L"HELP_HOLIDAYS_PICTURE";

}  // namespace DateWin
