#pragma once
// A memory bitmap compatible with the screen, selected into its own DC: what
// a benchmark paints a control on, as the control's WM_PAINT would the screen.

#include <windows.h>

namespace skinbench {

class TMemoryTarget {
 public:
  TMemoryTarget(int width, int height) {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    old_ = SelectObject(dc_, bitmap_);
  }
  ~TMemoryTarget() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  TMemoryTarget(const TMemoryTarget&) = delete;
  TMemoryTarget& operator=(const TMemoryTarget&) = delete;

  HDC Dc() const { return dc_; }

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

}  // namespace skinbench
