#pragma once
// Colours for GDI.

#include <windows.h>

#include "colour/colour.h"

namespace ui {

// The plain RGB value GDI wants; system colours are looked up now.
COLORREF ColourToRgb(TColour colour);

// Text stays readable with at least this contrast to what lies under it.
inline constexpr double kReadableContrast = 4.5;
// The contrast ratio of two colours by their relative luminance, 1 to 21.
double ContrastRatio(COLORREF first, COLORREF second);
// Disabled text: `text` moved towards `background` as far as it can go while
// it keeps a margin over kReadableContrast (what lies under text is seldom
// one flat colour); `text` itself when it has no more than that.
COLORREF DimmedText(COLORREF text, COLORREF background);
// `text` when it reads on `background`, else black or white, whichever reads better.
COLORREF ReadableText(COLORREF text, COLORREF background);

}  // namespace ui
