#pragma once
// The small picture a frame shows for its window: the window's icon on
// magenta (the skin's transparent colour) at the small-icon size.

#include <windows.h>

#include "skin/data/skin_bitmap.h"
#include "ui/graphics/bitmap.h"

namespace skin {

// The window's small icon, else its big one, drawn at the small-icon size;
// the empty picture when the window has no icon.
TSkinBitmap WindowIconPicture(HWND window);
// A picture of the small-icon size: `icon` drawn over magenta, or magenta
// alone without one.
TSkinBitmap IconPictureFrom(ui::TBitmap* icon);
// Copies a picture into a library bitmap.
void AssignIconPicture(ui::TBitmap& target, const TSkinBitmap& picture);

}  // namespace skin
