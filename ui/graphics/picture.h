#pragma once
// What an image shows: a bitmap, possibly none. Decoded pictures (a JPEG,
// say) arrive as a 32-bit DIB written through Bitmap().SetSize and ScanLine.

#include "ui/graphics/bitmap.h"

namespace ui {

class TPicture {
 public:
  TPicture() {
    bitmap_.OnChange = [this] {
      if (OnChange) OnChange();
    };
  }
  TPicture(const TPicture&) = delete;
  TPicture& operator=(const TPicture&) = delete;

  TBitmap& Bitmap() { return bitmap_; }
  bool Empty() const { return bitmap_.Empty(); }
  int Width() const { return bitmap_.Width(); }
  int Height() const { return bitmap_.Height(); }
  void Assign(const TBitmap& bitmap) { bitmap_.Assign(bitmap); }

  std::function<void()> OnChange;

 private:
  TBitmap bitmap_;
};

}  // namespace ui
