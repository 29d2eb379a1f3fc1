#pragma once
// The window's embedded pictures: the today lettering (a JPEG) and the five
// button glyphs (bitmaps), read from the program's resources.

#include "ui/graphics/bitmap.h"

namespace DateWin {

// Decodes the today picture into `picture`; leaves it empty when the resource
// is missing or is not a readable JPEG.
void LoadTodayPicture(ui::TBitmap& picture);

// The glyph bitmap resource of that name; empty when missing.
void LoadGlyph(ui::TBitmap& glyph, const char* resource);

}  // namespace DateWin
