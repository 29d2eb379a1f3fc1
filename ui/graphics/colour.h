#pragma once
// Colours for GDI.

#include <windows.h>

#include "colour/colour.h"

namespace ui {

// The plain RGB value GDI wants; system colours are looked up now.
COLORREF ColourToRgb(TColour colour);

}  // namespace ui
