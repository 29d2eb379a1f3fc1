#include "skin/engine/gdi/shared_work_bitmap.h"

namespace skin {

ui::TCanvas& TWorkBitmap::Canvas() {
  ui::TCanvas& canvas = bitmap_.Canvas();
  if (canvas.Handle()) SetStretchBltMode(canvas.Handle(), COLORONCOLOR);
  return canvas;
}

TWorkBitmap& SharedWorkBitmap() {
  static TWorkBitmap bitmap;
  return bitmap;
}

}  // namespace skin
