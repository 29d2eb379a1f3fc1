#include "skin/engine/gdi/shared_work_bitmap.h"

#include <algorithm>

namespace skin {

ui::TCanvas& TWorkBitmap::Canvas() {
  ui::TCanvas& canvas = bitmap_.Canvas();
  if (canvas.Handle()) SetStretchBltMode(canvas.Handle(), COLORONCOLOR);
  return canvas;
}

ui::TCanvas& TWorkBitmap::CanvasOfAtLeast(int width, int height) {
  if (bitmap_.Width() < width || bitmap_.Height() < height)
    bitmap_.SetSize(std::max(bitmap_.Width(), width), std::max(bitmap_.Height(), height));
  return Canvas();
}

TWorkBitmap& SharedWorkBitmap() {
  static TWorkBitmap bitmap;
  return bitmap;
}

}  // namespace skin
