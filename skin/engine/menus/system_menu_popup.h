#pragma once
// The skinned system menu of a framed window: Restore, Maximize (when the
// window may be maximised), Minimize (when it may be minimised), a line and
// Close. Each item's Tag says what it does (kSystemMenuRestore ...) and picks
// its glyph among the skin's system-menu glyphs; the items are drawn skinned.

#include <functional>
#include <memory>

#include "skin/engine/geometry/frame_layout.h"
#include "ui/menus/popup_menu.h"

namespace skin {

class TPopupBackgrounds;
class TSkinData;

inline constexpr int kSystemMenuRestore = 0;
inline constexpr int kSystemMenuMaximize = 1;
inline constexpr int kSystemMenuMinimize = 2;
inline constexpr int kSystemMenuClose = 3;
inline constexpr int kSystemMenuLine = 100;

// `onClick` receives the chosen item's Tag. The items are drawn over the
// popup backgrounds `backgrounds` finds.
std::unique_ptr<ui::TPopupMenu> CreateSystemMenuPopup(TAllowedButtons allowed, TSkinData& data,
                                                      const TPopupBackgrounds* backgrounds,
                                                      std::function<void(int tag)> onClick);
// Enables Restore, Maximize and Minimize unless the window is in that state already.
void EnableSystemMenuItems(ui::TPopupMenu& menu, TShowState state);

}  // namespace skin
