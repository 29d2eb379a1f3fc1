#include "skin/engine/menus/menu_item_face.h"

#include <cstdint>

#include "skin/engine/gdi/skin_drawing.h"

namespace skin {
namespace {

// How many pixels of a 24-bit DIB section have the key colour.
int KeyPixels(HBITMAP bitmap) {
  DIBSECTION dib{};
  if (GetObjectW(bitmap, sizeof(dib), &dib) != sizeof(dib) || !dib.dsBm.bmBits || dib.dsBm.bmBitsPixel != 24) return 0;
  GdiFlush();
  int count = 0;
  for (int y = 0; y < dib.dsBm.bmHeight; ++y) {
    const auto* row =
        static_cast<const std::uint8_t*>(dib.dsBm.bmBits) + static_cast<std::size_t>(y) * dib.dsBm.bmWidthBytes;
    for (int x = 0; x < dib.dsBm.bmWidth; ++x, row += 3) count += row[0] == 0xFF && row[1] == 0 && row[2] == 0xFF;
  }
  return count;
}

}  // namespace

void TMenuItemFace::Render(const TDataSkinObject& element, int width, int height, int frameCount, int frame) {
  width_ = width;
  height_ = height;
  frame_ = frame;
  mask_.Reset();
  const RECT whole{0, 0, width, height};
  TBitmapHandle rendered =
      RenderNineSlice(whole, element.Bitmap, ElementMargins(element), false, element.Tile != 0, frameCount, frame);
  const int keyed = element.Trans && rendered ? KeyPixels(rendered.get()) : 0;
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
