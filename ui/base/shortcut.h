#pragma once
// Keyboard shortcuts of menu items: a virtual-key code with modifier bits.

#include <windows.h>

#include <string>

namespace ui {

using TShortCut = WORD;
inline constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000;

// "Ctrl+Shift+F4" style text; empty for 0 and for keys without a name here.
std::string ShortCutToText(TShortCut shortCut);

}  // namespace ui
