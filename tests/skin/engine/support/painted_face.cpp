#include "painted_face.h"

#include <algorithm>

#include "ui/controls/win_control.h"

namespace skin {

TFace::TFace(int width, int height) : width_(width) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  dc_ = CreateCompatibleDC(nullptr);
  bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
  old_ = SelectObject(dc_, bitmap_);
}

TFace::~TFace() {
  SelectObject(dc_, old_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

COLORREF TFace::Pixel(int x, int y) const {
  GdiFlush();
  const std::uint32_t word = bits_[y * width_ + x];
  return RGB((word >> 16) & 0xFF, (word >> 8) & 0xFF, word & 0xFF);
}

int TFace::CountOf(COLORREF colour, const RECT& area) const {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) count += Pixel(x, y) == colour;
  return count;
}

RECT TFace::Bounds(COLORREF colour, const RECT& area) const {
  RECT ink{area.right, area.bottom, area.left, area.top};
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (Pixel(x, y) == colour) {
        ink.left = std::min(ink.left, static_cast<LONG>(x));
        ink.top = std::min(ink.top, static_cast<LONG>(y));
        ink.right = std::max(ink.right, static_cast<LONG>(x + 1));
        ink.bottom = std::max(ink.bottom, static_cast<LONG>(y + 1));
      }
  return ink;
}

COLORREF WindowPixel(HWND window, int x, int y) {
  HDC dc = GetWindowDC(window);
  const COLORREF pixel = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return pixel;
}

std::unique_ptr<TFace> PaintedFace(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  auto face = std::make_unique<TFace>(rect.right - rect.left, rect.bottom - rect.top);
  SendMessageW(window, WM_PAINT, reinterpret_cast<WPARAM>(face->Dc()), 0);
  return face;
}

std::unique_ptr<TFace> PaintedFace(ui::TControl& control) {
  if (auto* windowed = dynamic_cast<ui::TWinControl*>(&control)) return PaintedFace(windowed->Handle());
  auto face = std::make_unique<TFace>(control.Width(), control.Height());
  control.Perform(WM_PAINT, reinterpret_cast<WPARAM>(face->Dc()));
  return face;
}

}  // namespace skin
