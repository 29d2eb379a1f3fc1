#include "skin/engine/menu_item_face.h"

#include <cstdint>
#include <vector>

#include "skin/engine/skin_drawing.h"

namespace skin {
namespace {

// How many of the bitmap's pixels have the key colour.
int KeyPixels(HDC dc, HBITMAP bitmap, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  if (!GetDIBits(dc, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS)) return 0;
  int count = 0;
  for (const std::uint32_t pixel : pixels) count += (pixel & 0xFFFFFF) == 0xFF00FF;  // magenta in either byte order
  return count;
}

}  // namespace

void TMenuItemFace::Render(const TDataSkinObject& element, int width, int height, int frameCount, int frame) {
  width_ = width;
  height_ = height;
  frame_ = frame;
  mask_.Reset();
  const RECT whole{0, 0, width, height};
  TBitmapHandle rendered = RenderNineSlice(
      whole, element.Bitmap, {element.LeftWidth, element.TopHeight, element.RightWidth, element.BottomHeight}, false,
      element.Tile != 0, frameCount, frame);
  const HBITMAP handle = rendered.get();
  const HDC screen = GetDC(nullptr);
  const int keyed = element.Trans && handle ? KeyPixels(screen, handle, width, height) : 0;
  ReleaseDC(nullptr, screen);
  face_.Reset(std::move(rendered), width, height);
  if (face_.Empty()) {
    kind_ = TKind::Blank;
    return;
  }
  kind_ = keyed == 0 ? TKind::Opaque : keyed == width * height ? TKind::Blank : TKind::Keyed;
  if (kind_ != TKind::Keyed) return;
  mask_.Reset(TBitmapHandle(CreateBitmap(width, height, 1, 1, nullptr)), width, height);
  SetBkColor(face_.Dc(), kTransparentKey);
  BitBlt(mask_.Dc(), 0, 0, width, height, face_.Dc(), 0, 0, SRCCOPY);  // white where the key was
  SetTextColor(face_.Dc(), RGB(0, 0, 0));
  SetBkColor(face_.Dc(), RGB(255, 255, 255));
  BitBlt(face_.Dc(), 0, 0, width, height, mask_.Dc(), 0, 0, 0x00220326);  // the key pixels black (dest AND NOT mask)
}

void TMenuItemFace::Draw(HDC dc) const {
  switch (kind_) {
    case TKind::Blank:
      return;
    case TKind::Opaque:
      BitBlt(dc, 0, 0, width_, height_, face_.Dc(), 0, 0, SRCCOPY);
      return;
    case TKind::Keyed: {
      const COLORREF text = SetTextColor(dc, RGB(0, 0, 0));
      const COLORREF back = SetBkColor(dc, RGB(255, 255, 255));
      BitBlt(dc, 0, 0, width_, height_, mask_.Dc(), 0, 0, SRCAND);  // black where the face is
      BitBlt(dc, 0, 0, width_, height_, face_.Dc(), 0, 0, SRCPAINT);
      SetTextColor(dc, text);
      SetBkColor(dc, back);
      return;
    }
  }
}

}  // namespace skin
