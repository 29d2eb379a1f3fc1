#pragma once
// A button glyph image kept ready to be drawn without its key colour by two
// plain copies: a mask (white where the key colour was), then the image with
// black there. A transparent copy (GdiTransparentBlt) builds such a mask at
// every call, which under Wine costs more than all the rest of a button's
// paint. The image is made again only when the glyph's pixels change.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "skin/engine/gdi/offscreen_bitmap.h"

namespace ui {
class TBitmap;
}

namespace skin {

class TMaskedGlyph {
 public:
  // Draws the part of `glyph` at (`left`, 0) of `size` at `at`, leaving out
  // the colour of the part's top-left pixel.
  void Draw(HDC dc, POINT at, ui::TBitmap& glyph, int left, SIZE size);

 private:
  // Makes mask and image from the part's pixels, 0x00RRGGBB row after row.
  void Build(HDC reference, const std::vector<std::uint32_t>& pixels, SIZE size);

  std::vector<std::uint32_t> pixels_;
  SIZE size_{};
  TOffscreenBitmap mask_;
  TOffscreenBitmap image_;
};

}  // namespace skin
