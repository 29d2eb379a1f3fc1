#include "skin/engine/geometry/three_slice.h"

#include <algorithm>

namespace skin {

TSlicePlan ThreeSlicePlan(const TPixelRect& cell, int width, int height, int left, int right) {
  TSlicePlan plan;
  if (width <= 0 || height <= 0 || cell.Empty()) return plan;
  const int l = std::max(left, 0);
  const int r = std::max(right, 0);
  // Ends wider than the cell take the whole cell as their source.
  const int sourceLeft = std::min(l, cell.Width());
  const int sourceRight = std::min(r, cell.Width());
  const long long middle = static_cast<long long>(cell.Width()) - l - r;
  const int rightEnd = width - r;  // width > 0 and r >= 0: no overflow

  plan.AddStretched({cell.Left, cell.Top, cell.Left + sourceLeft, cell.Bottom}, {0, 0, l, height});
  if (middle > 0) {
    plan.Add({{cell.Left + l, cell.Top, cell.Right - r, cell.Bottom},
              {l, 0, rightEnd, height},
              static_cast<int>(middle),
              height});
  }
  plan.AddStretched({cell.Right - sourceRight, cell.Top, cell.Right, cell.Bottom}, {rightEnd, 0, width, height});
  return plan;
}

}  // namespace skin
