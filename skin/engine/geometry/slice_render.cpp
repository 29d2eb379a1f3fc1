#include "skin/engine/geometry/slice_render.h"

#include <algorithm>

#include "skin/engine/geometry/pixel_stretch.h"

namespace skin {

void RenderSlicePlan(const TConstPixelView& picture, const TSlicePlan& plan, const TPixelView& destination) {
  for (const TSlicePiece& piece : plan.Pieces()) {
    const TTileGrid copies = piece.Copies();
    // Copies wholly past the destination's right or bottom draw nothing.
    const auto reaching = [](int count, long long room, int step) {
      return static_cast<int>(std::min<long long>(count, 1 + std::max(room, 0LL) / step));
    };
    const int columns =
        reaching(copies.Columns, static_cast<long long>(destination.Width) - copies.Left, copies.TileWidth);
    const int rows = reaching(copies.Rows, static_cast<long long>(destination.Height) - copies.Top, copies.TileHeight);
    for (int row = 0; row < rows; ++row)
      for (int column = 0; column < columns; ++column)
        StretchPixels(picture, piece.Source, destination, copies.Tile(column, row));
  }
}

}  // namespace skin
