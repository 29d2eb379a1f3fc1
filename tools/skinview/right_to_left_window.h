#pragma once
// A window that reads from right to left (the extended styles of a
// right-to-left form) with a menu bar that asks for right-to-left menus: the
// skinned bar lays its items out from the right. The system mirrors the
// menus' items only under a right-to-left (Middle East) locale.

namespace ui {
class TForm;
}

namespace skinview {

// Opens a new right-to-left window owned by `owner`; closing it frees it.
void OpenRightToLeftWindow(ui::TForm* owner);

}  // namespace skinview
