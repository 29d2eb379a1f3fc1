#include "skin/engine/gdi/masked_glyph.h"

#include "ui/graphics/bitmap.h"

namespace skin {
namespace {

constexpr std::uint32_t kColourBits = 0xFFFFFF;

}  // namespace

void TMaskedGlyph::Draw(HDC dc, POINT at, ui::TBitmap& glyph, int left, SIZE size) {
  if (size.cx <= 0 || size.cy <= 0 || left < 0 || left + size.cx > glyph.Width() || size.cy > glyph.Height()) return;
  std::vector<std::uint32_t> pixels;
  pixels.reserve(static_cast<std::size_t>(size.cx) * size.cy);
  for (int y = 0; y < size.cy; ++y) {
    const std::uint32_t* row = glyph.ScanLine(y);
    if (!row) return;
    pixels.insert(pixels.end(), row + left, row + left + size.cx);
  }
  if (pixels != pixels_ || size.cx != size_.cx || size.cy != size_.cy || image_.Empty()) Build(dc, pixels, size);
  if (image_.Empty() || mask_.Empty()) return;
  const COLORREF text = SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF back = SetBkColor(dc, RGB(255, 255, 255));
  BitBlt(dc, at.x, at.y, size.cx, size.cy, mask_.Dc(), 0, 0, SRCAND);
  BitBlt(dc, at.x, at.y, size.cx, size.cy, image_.Dc(), 0, 0, SRCPAINT);
  SetTextColor(dc, text);
  SetBkColor(dc, back);
}

void TMaskedGlyph::Build(HDC reference, const std::vector<std::uint32_t>& pixels, SIZE size) {
  pixels_ = pixels;
  size_ = size;
  const std::uint32_t key = pixels.front() & kColourBits;
  // Monochrome rows are padded to 16 bits.
  const int stride = (size.cx + 15) / 16 * 2;
  std::vector<std::uint8_t> maskBits(static_cast<std::size_t>(stride) * size.cy, 0);
  std::vector<std::uint32_t> imageBits(pixels);
  for (int y = 0; y < size.cy; ++y)
    for (int x = 0; x < size.cx; ++x) {
      std::uint32_t& pixel = imageBits[static_cast<std::size_t>(y) * size.cx + x];
      if ((pixel & kColourBits) != key) continue;
      pixel = 0;
      maskBits[static_cast<std::size_t>(y) * stride + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
  mask_.Reset(TBitmapHandle(CreateBitmap(size.cx, size.cy, 1, 1, maskBits.data())), size.cx, size.cy);
  image_.Create(reference, size.cx, size.cy);
  if (image_.Empty()) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = -size.cy;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  StretchDIBits(image_.Dc(), 0, 0, size.cx, size.cy, 0, 0, size.cx, size.cy, imageBits.data(), &info, DIB_RGB_COLORS,
                SRCCOPY);
}

}  // namespace skin
