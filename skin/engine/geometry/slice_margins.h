#pragma once
// The fixed borders of a skin picture's cell: corners and edges keep their
// size, only what lies between them is stretched or tiled.

namespace skin {

struct TSliceMargins {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  bool operator==(const TSliceMargins&) const = default;
};

}  // namespace skin
