#include "skin/engine/geometry/tile_grid.h"

#include <algorithm>
#include <climits>

namespace skin {
namespace {

// Copies needed along one side; 64-bit, as a target may reach the end of int.
int CopiesAlong(int from, int to, int step) {
  if (to <= from || step <= 0) return 0;
  const long long length = static_cast<long long>(to) - from;
  return static_cast<int>((length + step - 1) / step);
}

int Clamped(long long value) { return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX)); }

}  // namespace

TPixelRect TTileGrid::Tile(int column, int row) const {
  const long long left = Left + static_cast<long long>(column) * TileWidth;
  const long long top = Top + static_cast<long long>(row) * TileHeight;
  return {Clamped(left), Clamped(top), Clamped(left + TileWidth), Clamped(top + TileHeight)};
}

TTileGrid TileGrid(const TPixelRect& target, int tileWidth, int tileHeight) {
  TTileGrid grid{target.Left, target.Top, tileWidth, tileHeight, 0, 0};
  if (tileWidth <= 0 || tileHeight <= 0) return grid;
  grid.Columns = CopiesAlong(target.Left, target.Right, tileWidth);
  grid.Rows = CopiesAlong(target.Top, target.Bottom, tileHeight);
  if (grid.Columns == 0 || grid.Rows == 0) grid.Columns = grid.Rows = 0;
  return grid;
}

}  // namespace skin
