#pragma once
// Where copies of a tile go to cover a target: from the target's top-left
// corner, one wherever a copy starts inside the target. The last row and
// column are whole copies that run past the target's right and bottom.

#include "skin/engine/geometry/pixel_rect.h"

namespace skin {

struct TTileGrid {
  int Left = 0;
  int Top = 0;
  int TileWidth = 0;
  int TileHeight = 0;
  int Columns = 0;
  int Rows = 0;

  TPixelRect Tile(int column, int row) const;
};

// No copies when the target or the tile is empty.
TTileGrid TileGrid(const TPixelRect& target, int tileWidth, int tileHeight);

}  // namespace skin
