#pragma once
// A window that is no library form: made with CreateWindowExW and holding the
// system's standard child controls, so that the skin engine meets a window it
// knows only by its handle and walks its child windows.

#include <windows.h>

namespace skinview {

inline constexpr wchar_t kBareWindowClass[] = L"SkinViewBareWindow";

// Opens a new bare window with its top-left corner at `topLeft` (screen
// coordinates); closing destroys it. Returns its handle.
HWND OpenBareWindow(POINT topLeft);

}  // namespace skinview
