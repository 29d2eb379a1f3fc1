#include "skin/engine/gdi/offscreen_bitmap.h"

#include <utility>

namespace skin {

void TOffscreenBitmap::Reset(TBitmapHandle bitmap, int width, int height) {
  if (dc_) {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
    dc_ = nullptr;
  }
  bitmap_ = std::move(bitmap);
  width_ = bitmap_ ? width : 0;
  height_ = bitmap_ ? height : 0;
  if (!bitmap_) return;
  dc_ = CreateCompatibleDC(nullptr);
  old_ = SelectObject(dc_, bitmap_.get());
}

void TOffscreenBitmap::Create(HDC reference, int width, int height) {
  Reset(TBitmapHandle(CreateCompatibleBitmap(reference, width, height)), width, height);
}

void TOffscreenBitmap::CopyTo(HDC dc, const RECT& target, int sourceX, int sourceY) const {
  if (!dc_) return;
  BitBlt(dc, target.left, target.top, target.right - target.left, target.bottom - target.top, dc_, sourceX, sourceY,
         SRCCOPY);
}

}  // namespace skin
