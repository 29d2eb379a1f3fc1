#pragma once

#include <windows.h>

#include "skin/engine/gdi/gdi_handle.h"

namespace skin {

// A bitmap kept selected into a memory device context of its own. Under
// Wine selecting a bitmap into a device context costs far more than copying
// it, so pictures that are copied again and again stay selected.
class TOffscreenBitmap {
 public:
  TOffscreenBitmap() = default;
  ~TOffscreenBitmap() { Reset(); }
  TOffscreenBitmap(const TOffscreenBitmap&) = delete;
  TOffscreenBitmap& operator=(const TOffscreenBitmap&) = delete;

  // Takes over a bitmap of this size; an empty handle leaves it empty.
  void Reset(TBitmapHandle bitmap = nullptr, int width = 0, int height = 0);
  // A new bitmap of this size in the format of `reference`'s device.
  void Create(HDC reference, int width, int height);

  bool Empty() const { return dc_ == nullptr; }
  HDC Dc() const { return dc_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // Copies the part at (sourceX, sourceY) of the target's size to the target.
  void CopyTo(HDC dc, const RECT& target, int sourceX = 0, int sourceY = 0) const;

 private:
  TBitmapHandle bitmap_;
  HDC dc_ = nullptr;
  HGDIOBJ old_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace skin
