#pragma once
// The skins built into skinview.exe: the calendar's own default skin (from the
// calendar's resources) and the dark skin (skinview.rc).

#include "window/resource_names.h"

namespace skinview {

inline constexpr const wchar_t* kDefaultSkin = DateWin::kSkinResource;
inline constexpr wchar_t kDarkSkin[] = L"DARK_SKIN";

}  // namespace skinview
