#include "skin/engine/geometry/slice_plan.h"

namespace skin {

void TSlicePlan::Add(const TSlicePiece& piece) {
  if (piece.Source.Empty() || piece.Target.Empty() || piece.CopyWidth <= 0 || piece.CopyHeight <= 0) return;
  if (count_ < kMaxPieces) pieces_[count_++] = piece;
}

void TSlicePlan::AddStretched(const TPixelRect& source, const TPixelRect& target) {
  Add({source, target, target.Width(), target.Height()});
}

}  // namespace skin
