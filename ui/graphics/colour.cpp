#include "ui/graphics/colour.h"

namespace ui {

COLORREF ColourToRgb(TColour colour) {
  if (IsSystemColour(colour)) return GetSysColor(colour & 0xFF);
  return colour & 0x00FFFFFFu;
}

}  // namespace ui
