#pragma once
// A drawing plan: the pieces of a cell and where they go in a target bitmap,
// in drawing order (later pieces cover earlier ones where they overlap).

#include <array>
#include <span>

#include "skin/engine/geometry/pixel_rect.h"
#include "skin/engine/geometry/tile_grid.h"

namespace skin {

struct TSlicePiece {
  // Inside the picture.
  TPixelRect Source;
  // Where copies of the source start; relative to the target bitmap.
  TPixelRect Target;
  // Each copy is the source stretched to this size, repeated from the
  // target's top-left corner (see TTileGrid). A stretched piece has one copy
  // of the target's size.
  int CopyWidth = 0;
  int CopyHeight = 0;

  TTileGrid Copies() const { return TileGrid(Target, CopyWidth, CopyHeight); }
};

class TSlicePlan {
 public:
  static constexpr int kMaxPieces = 9;

  // Keeps the piece only when it has something to copy and somewhere to go.
  void Add(const TSlicePiece& piece);
  void AddStretched(const TPixelRect& source, const TPixelRect& target);
  std::span<const TSlicePiece> Pieces() const { return {pieces_.data(), static_cast<std::size_t>(count_)}; }

 private:
  std::array<TSlicePiece, kMaxPieces> pieces_{};
  int count_ = 0;
};

}  // namespace skin
