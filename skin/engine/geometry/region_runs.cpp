#include "skin/engine/geometry/region_runs.h"

#include <algorithm>
#include <cstddef>

namespace skin {

TKeyColourRange::TChannel TKeyColourRange::Channel(std::uint8_t value, int tolerance) {
  return {value,
          tolerance < 0 ? -1 : static_cast<int>(std::min<long long>(255, value + static_cast<long long>(tolerance)))};
}

TKeyColourRange::TKeyColourRange(std::uint8_t red, std::uint8_t green, std::uint8_t blue, int redTolerance,
                                 int greenTolerance, int blueTolerance)
    : red_(Channel(red, redTolerance)), green_(Channel(green, greenTolerance)), blue_(Channel(blue, blueTolerance)) {}

void AppendOpaqueRuns(const std::uint8_t* row, int width, int bytesPerPixel, const TKeyColourRange& key,
                      std::vector<TPixelRun>& runs) {
  const auto isKey = [&](int x) {
    const std::uint8_t* pixel = row + static_cast<std::ptrdiff_t>(x) * bytesPerPixel;
    return key.Matches(pixel[2], pixel[1], pixel[0]);
  };
  int x = 0;
  while (x < width) {
    while (x < width && isKey(x)) ++x;
    if (x == width) break;
    const int begin = x;
    while (x < width && !isKey(x)) ++x;
    runs.push_back({begin, x});
  }
}

}  // namespace skin
