#pragma once
// Draws an item's image-list icon and its one-line caption side by side
// inside the item (a header column, a tab), placed by PlaceIconCaption.

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <string>

#include "skin/engine/geometry/icon_caption_layout.h"

namespace skin {

// The image index of an item without an icon.
inline constexpr int kNoImage = -1;

// `text` is GBK, drawn with the DC's font in its plain style (upright, not
// bold, underlined or struck out) on a transparent background, in
// the DC's text colour, or the system's button-shadow colour when not
// `enabled`. The icon is drawn transparently when there is an image list
// and an index other than kNoImage. Nothing leaves the item's rectangle, and
// the DC's settings are given back.
void DrawIconCaption(HDC dc, const RECT& rect, TCaptionAlignment alignment, const std::string& text, int imageIndex,
                     HIMAGELIST images, bool enabled);

}  // namespace skin
