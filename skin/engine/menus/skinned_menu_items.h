#pragma once
// Hangs the skinned item drawing on the items of library popup menus: the
// menus become owner-drawn and every item without a drawing of its own is
// measured and drawn by the menu item painter.

namespace ui {
class TForm;
class TMenu;
}  // namespace ui

namespace skin {

class TPopupBackgrounds;
class TSkinData;

// Switches one menu's items to skinned drawing and the menu to owner-draw
// (on), or takes the skin's drawing away again and, where there was some,
// owner-draw with it (off); items with drawing handlers of their own keep them.
// The items are drawn over the popup backgrounds `backgrounds` finds.
void SetMenuItemsSkinned(ui::TMenu& menu, const TSkinData& data, const TPopupBackgrounds* backgrounds, bool on);
// Every popup menu the form owns, unless the skin leaves popup menus alone or
// the menu's Tag (mod 100) is the skin's DisableTag; switching off reaches
// every menu that carries the skin's drawing.
void SetPopupMenusOwnerDraw(ui::TForm& form, const TSkinData& data, const TPopupBackgrounds* backgrounds, bool on);

}  // namespace skin
