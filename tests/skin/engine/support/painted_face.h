#pragma once
// What a control shows: its face painted (by its skinner, or by itself) into
// a 32-bit memory bitmap, read back pixel by pixel; or a pixel of its window
// as the screen shows it.

#include <windows.h>

#include <cstdint>
#include <memory>

namespace ui {
class TControl;
}

namespace skin {

class TFace {
 public:
  TFace(int width, int height);
  ~TFace();
  TFace(const TFace&) = delete;
  TFace& operator=(const TFace&) = delete;

  HDC Dc() const { return dc_; }
  COLORREF Pixel(int x, int y) const;
  int CountOf(COLORREF colour, const RECT& area) const;
  // The bounds of the pixels of that colour within the area.
  RECT Bounds(COLORREF colour, const RECT& area) const;

 private:
  int width_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  std::uint32_t* bits_ = nullptr;
};

// A pixel of the window, frame included, as drawn (Wine copies a window's
// drawing to the screen a moment later).
COLORREF WindowPixel(HWND window, int x, int y);

// A window's face as its WM_PAINT draws it into a memory DC (whole window).
std::unique_ptr<TFace> PaintedFace(HWND window);
// A library control's face: through its window, or as its parent paints a graphic control.
std::unique_ptr<TFace> PaintedFace(ui::TControl& control);

}  // namespace skin
