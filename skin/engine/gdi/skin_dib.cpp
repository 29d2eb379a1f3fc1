#include "skin/engine/gdi/skin_dib.h"

#include <cstring>

namespace skin {

BITMAPINFO SkinBitmapInfo(const TSkinBitmap& bitmap) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = bitmap.Width();
  info.bmiHeader.biHeight = -bitmap.Height();
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  info.bmiHeader.biSizeImage = static_cast<DWORD>(bitmap.Bits().size());
  return info;
}

TBitmapHandle CreateSkinDib(const TSkinBitmap& bitmap) {
  if (bitmap.Empty()) return nullptr;
  const BITMAPINFO info = SkinBitmapInfo(bitmap);
  void* bits = nullptr;
  TBitmapHandle handle(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (handle) std::memcpy(bits, bitmap.Bits().data(), bitmap.Bits().size());
  return handle;
}

}  // namespace skin
