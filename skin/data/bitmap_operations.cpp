#include "skin/data/bitmap_operations.h"

#include <algorithm>
#include <cstring>

namespace skin {
namespace {

// The picture turned into one of swapped size; place(x, y, tx, ty) says where source (x, y) lands.
template <class TPlace>
void Rotate(TSkinBitmap& bitmap, TPlace place) {
  TSkinBitmap turned(bitmap.Height(), bitmap.Width());
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      int tx = 0;
      int ty = 0;
      place(x, y, tx, ty);
      std::memcpy(turned.Row(ty) + static_cast<std::size_t>(tx) * 3, bitmap.Row(y) + static_cast<std::size_t>(x) * 3,
                  3);
    }
  }
  bitmap = std::move(turned);
}

}  // namespace

void MirrorBitmap(TSkinBitmap& bitmap) {
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::uint8_t* row = bitmap.Row(y);
    for (int left = 0, right = bitmap.Width() - 1; left < right; ++left, --right) {
      std::swap_ranges(row + left * 3, row + left * 3 + 3, row + right * 3);
    }
  }
}

void FlipBitmap(TSkinBitmap& bitmap) {
  for (int top = 0, bottom = bitmap.Height() - 1; top < bottom; ++top, --bottom) {
    std::swap_ranges(bitmap.Row(top), bitmap.Row(top) + bitmap.Stride(), bitmap.Row(bottom));
  }
}

void RotateBitmapLeft(TSkinBitmap& bitmap) {
  const int width = bitmap.Width();
  Rotate(bitmap, [width](int x, int y, int& tx, int& ty) {
    tx = y;
    ty = width - 1 - x;
  });
}

void RotateBitmapRight(TSkinBitmap& bitmap) {
  const int height = bitmap.Height();
  Rotate(bitmap, [height](int x, int y, int& tx, int& ty) {
    tx = height - 1 - y;
    ty = x;
  });
}

}  // namespace skin
