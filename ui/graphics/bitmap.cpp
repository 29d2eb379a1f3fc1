#include "ui/graphics/bitmap.h"

#include <cstring>

#include "text/gbk.h"

namespace ui {

TBitmap::~TBitmap() { Clear(); }

void TBitmap::Dormant() {
  if (!dc_) return;
  SelectObject(dc_, oldBitmap_);
  DeleteDC(dc_);
  dc_ = nullptr;
  if (canvas_) canvas_->SetHandle(nullptr);
}

void TBitmap::Clear() {
  Dormant();
  canvas_.reset();
  if (handle_) DeleteObject(handle_);
  handle_ = nullptr;
  bits_ = nullptr;
  width_ = height_ = 0;
}

void TBitmap::SetSize(int width, int height) {
  Clear();
  if (width <= 0 || height <= 0) return Changed();
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  handle_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
  if (handle_) {
    width_ = width;
    height_ = height;
  }
  Changed();
}

bool TBitmap::CopyFromHandle(HBITMAP source) {
  BITMAP info{};
  if (!source || !GetObjectW(source, sizeof(info), &info)) return false;
  SetSize(info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight);
  if (Empty()) return false;
  HDC sourceDc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(sourceDc, source);
  BitBlt(Canvas().Handle(), 0, 0, width_, height_, sourceDc, 0, 0, SRCCOPY);
  SelectObject(sourceDc, old);
  DeleteDC(sourceDc);
  Changed();
  return true;
}

bool TBitmap::LoadFromResourceName(HINSTANCE module, std::string_view name) {
  const std::wstring wide = text::GbkToWide(name);
  HBITMAP loaded = static_cast<HBITMAP>(LoadImageW(module, wide.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  const bool ok = CopyFromHandle(loaded);
  if (loaded) DeleteObject(loaded);
  return ok;
}

void TBitmap::Assign(const TBitmap& other) {
  if (&other == this) return;
  if (other.Empty()) {
    Clear();
    return Changed();
  }
  SetSize(other.width_, other.height_);
  if (!Empty()) {
    GdiFlush();
    memcpy(bits_, other.bits_, static_cast<size_t>(width_) * height_ * 4);
  }
  transparent_ = other.transparent_;
  transparentColor_ = other.transparentColor_;
  Changed();
}

std::uint32_t* TBitmap::ScanLine(int y) {
  if (Empty() || y < 0 || y >= height_) return nullptr;
  GdiFlush();  // pending GDI drawing must land before the pixels are touched
  return static_cast<std::uint32_t*>(bits_) + static_cast<size_t>(y) * width_;
}

TColour TBitmap::Pixel(int x, int y) {
  const std::uint32_t* row = ScanLine(y);
  if (!row || x < 0 || x >= width_) return clNone;
  const std::uint32_t bgr = row[x];
  return ((bgr >> 16) & 0xFF) | (bgr & 0xFF00) | ((bgr & 0xFF) << 16);
}

TCanvas& TBitmap::Canvas() {
  if (!canvas_) canvas_ = std::make_unique<TCanvas>();
  if (!dc_ && handle_) {
    dc_ = CreateCompatibleDC(nullptr);
    oldBitmap_ = SelectObject(dc_, handle_);
  }
  canvas_->SetHandle(dc_);
  return *canvas_;
}

void TBitmap::SetTransparent(bool transparent) {
  transparent_ = transparent;
  Changed();
}

TColour TBitmap::TransparentColor() {
  if (transparentColor_ != clNone) return transparentColor_;
  return Pixel(0, height_ - 1);
}

void TBitmap::SetTransparentColor(TColour color) {
  transparentColor_ = color;
  Changed();
}

void TBitmap::Changed() {
  if (OnChange) OnChange();
}

}  // namespace ui
