#include "skin/engine/geometry/frame_cell.h"

#include <algorithm>

namespace skin {

TPixelRect FrameCellRect(int pictureWidth, int pictureHeight, bool vertical, int frameCount, int frameIndex) {
  const int width = std::max(pictureWidth, 0);
  const int height = std::max(pictureHeight, 0);
  const int count = std::max(frameCount, 1);
  const int index = std::clamp(frameIndex, 1, count) - 1;
  if (vertical) {
    const int cellHeight = height / count;
    return {0, index * cellHeight, width, (index + 1) * cellHeight};
  }
  const int cellWidth = width / count;
  return {index * cellWidth, 0, (index + 1) * cellWidth, height};
}

}  // namespace skin
