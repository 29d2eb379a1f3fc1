#include "skin/engine/geometry/nine_slice.h"

#include <algorithm>

namespace skin {
namespace {

// The margins that fit a size: a pair that does not fit it goes as a pair.
TSliceMargins FittingMargins(TSliceMargins margins, int width, int height) {
  margins.Left = std::max(margins.Left, 0);
  margins.Top = std::max(margins.Top, 0);
  margins.Right = std::max(margins.Right, 0);
  margins.Bottom = std::max(margins.Bottom, 0);
  if (width < static_cast<long long>(margins.Left) + margins.Right) margins.Left = margins.Right = 0;
  if (height < static_cast<long long>(margins.Top) + margins.Bottom) margins.Top = margins.Bottom = 0;
  return margins;
}

// The part of the cell between the given offsets (from the cell's left and
// top, to its right and bottom edges), clipped to the cell.
class TCellCut {
 public:
  explicit TCellCut(const TPixelRect& cell) : cell_(cell) {}
  TPixelRect Cut(long long left, long long top, long long right, long long bottom) const {
    return {X(left), Y(top), X(right), Y(bottom)};
  }
  long long Left() const { return cell_.Left; }
  long long Top() const { return cell_.Top; }
  long long Right() const { return cell_.Right; }
  long long Bottom() const { return cell_.Bottom; }

 private:
  int X(long long x) const { return static_cast<int>(std::clamp<long long>(x, cell_.Left, cell_.Right)); }
  int Y(long long y) const { return static_cast<int>(std::clamp<long long>(y, cell_.Top, cell_.Bottom)); }
  TPixelRect cell_;
};

enum class TCentre { Stretched, Tiled, Omitted };

TSlicePlan SlicePlan(const TPixelRect& cell, int width, int height, TSliceMargins margins, TCentre centrePiece) {
  TSlicePlan plan;
  if (width <= 0 || height <= 0 || cell.Empty()) return plan;
  // Ends longer than the picture has cannot be cut from it, nor drawn longer than the target.
  const auto [l, t, r, b] = FittingMargins(FittingMargins(margins, cell.Width(), cell.Height()), width, height);
  const TCellCut c(cell);
  // Source columns and rows of the cell: its edges and the inner lines the margins cut.
  const long long sx0 = c.Left(), sx1 = c.Left() + l, sx2 = c.Right() - r, sx3 = c.Right();
  const long long sy0 = c.Top(), sy1 = c.Top() + t, sy2 = c.Bottom() - b, sy3 = c.Bottom();
  const int w = width, h = height;

  if (l > 0 && t > 0) plan.AddStretched(c.Cut(sx0, sy0, sx1, sy1), {0, 0, l, t});
  if (l > 0 && b > 0) plan.AddStretched(c.Cut(sx0, sy2, sx1, sy3), {0, h - b, l, h});
  if (r > 0 && t > 0) plan.AddStretched(c.Cut(sx2, sy0, sx3, sy1), {w - r, 0, w, t});
  if (l > 0) plan.AddStretched(c.Cut(sx0, sy1, sx1, sy2), {0, t, l, h - b});
  if (t > 0) plan.AddStretched(c.Cut(sx1, sy0, sx2, sy1), {l, 0, w - r, t});
  const TPixelRect centreSource = c.Cut(sx1, sy1, sx2, sy2);
  const TPixelRect centre{l, t, w - r, h - b};
  if (centrePiece == TCentre::Tiled) {
    plan.Add({centreSource, centre, centreSource.Width(), centreSource.Height()});
  } else if (centrePiece == TCentre::Stretched) {
    plan.AddStretched(centreSource, centre);
  }
  if (r > 0 && b > 0) plan.AddStretched(c.Cut(sx2, sy2, sx3, sy3), {w - r, h - b, w, h});
  if (r > 0) plan.AddStretched(c.Cut(sx2, sy1, sx3, sy2), {w - r, t, w, h - b});
  if (b > 0) plan.AddStretched(c.Cut(sx1, sy2, sx2, sy3), {l, h - b, w - r, h});
  return plan;
}

}  // namespace

TSlicePlan NineSlicePlan(const TPixelRect& cell, int width, int height, TSliceMargins margins, bool tileCentre) {
  return SlicePlan(cell, width, height, margins, tileCentre ? TCentre::Tiled : TCentre::Stretched);
}

TSlicePlan FrameEdgesPlan(const TPixelRect& cell, int width, int height, TSliceMargins margins) {
  return SlicePlan(cell, width, height, margins, TCentre::Omitted);
}

}  // namespace skin
