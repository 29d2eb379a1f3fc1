#include "window/pictures.h"

#include <windows.h>

#include <cstdint>

#include "window/picture/jpeg_picture.h"
#include "window/resource_bytes.h"
#include "window/resource_names.h"

namespace DateWin {

void LoadTodayPicture(ui::TBitmap& picture) {
  const std::optional<window::TJpegPicture> decoded = window::DecodeJpeg(ResourceBytes(kTodayPictureResource));
  if (!decoded) return picture.Clear();
  picture.SetSize(decoded->Width, decoded->Height);
  for (int y = 0; y < decoded->Height; ++y) {
    const std::uint8_t* source = decoded->Pixels.data() + static_cast<std::size_t>(y) * decoded->Stride;
    std::uint32_t* row = picture.ScanLine(y);
    for (int x = 0; x < decoded->Width; ++x, source += 3)
      row[x] = static_cast<std::uint32_t>(source[0]) | static_cast<std::uint32_t>(source[1]) << 8 |
               static_cast<std::uint32_t>(source[2]) << 16;
  }
}

void LoadGlyph(ui::TBitmap& glyph, const char* resource) {
  if (!glyph.LoadFromResourceName(GetModuleHandleW(nullptr), resource)) glyph.Clear();
}

}  // namespace DateWin
