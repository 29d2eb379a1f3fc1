#pragma once
// A picture in memory: always a 32-bit top-down DIB section, so decoded
// pixels can be written row by row and read back. Its canvas draws on it.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

#include "ui/graphics/canvas.h"
#include "ui/graphics/colour.h"

namespace ui {

class TBitmap {
 public:
  TBitmap() = default;
  ~TBitmap();
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  // A new picture of this size, every pixel black.
  void SetSize(int width, int height);
  // Copies any GDI bitmap (for example one from LoadImage); false if unreadable.
  bool CopyFromHandle(HBITMAP source);
  // A BITMAP resource of the module, by name (GBK).
  bool LoadFromResourceName(HINSTANCE module, std::string_view name);
  void Assign(const TBitmap& other);
  void Clear();

  bool Empty() const { return handle_ == nullptr; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  HBITMAP Handle() const { return handle_; }

  // Row y as 0x00RRGGBB words (DIB byte order B, G, R, unused).
  std::uint32_t* ScanLine(int y);
  TColour Pixel(int x, int y);

  TCanvas& Canvas();
  // Takes the bitmap out of its canvas's device context, for calls that
  // refuse a selected bitmap; the canvas comes back on next use.
  void Dormant();

  // Drawn without the transparent colour; by default that is the colour of
  // the bottom-left pixel.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  TColour TransparentColor();
  void SetTransparentColor(TColour color);

  std::function<void()> OnChange;

 private:
  void Changed();

  HBITMAP handle_ = nullptr;
  void* bits_ = nullptr;
  int width_ = 0, height_ = 0;
  HDC dc_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
  std::unique_ptr<TCanvas> canvas_;
  bool transparent_ = false;
  TColour transparentColor_ = clNone;
};

}  // namespace ui
