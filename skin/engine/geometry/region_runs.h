#pragma once
// The runs of a pixel row that are not of the key colour: the rectangles a
// window region is built of, one row high each.

#include <cstdint>
#include <vector>

namespace skin {

// The colours that count as the key: each channel from the key's value up to
// that value plus its tolerance, at most 255 (a negative tolerance matches nothing).
class TKeyColourRange {
 public:
  TKeyColourRange(std::uint8_t red, std::uint8_t green, std::uint8_t blue, int redTolerance, int greenTolerance,
                  int blueTolerance);
  bool Matches(std::uint8_t red, std::uint8_t green, std::uint8_t blue) const {
    return red_.Holds(red) && green_.Holds(green) && blue_.Holds(blue);
  }

 private:
  struct TChannel {
    int Low = 0;
    int High = 0;
    bool Holds(int value) const { return value >= Low && value <= High; }
  };
  static TChannel Channel(std::uint8_t value, int tolerance);
  TChannel red_, green_, blue_;
};

// Pixels [Begin, End) of a row.
struct TPixelRun {
  int Begin = 0;
  int End = 0;
  bool operator==(const TPixelRun&) const = default;
};

// Appends the maximal runs of pixels that do not match the key, left to right,
// from a row of `width` pixels stored blue, green, red (then any other bytes)
// every `bytesPerPixel` bytes.
void AppendOpaqueRuns(const std::uint8_t* row, int width, int bytesPerPixel, const TKeyColourRange& key,
                      std::vector<TPixelRun>& runs);

}  // namespace skin
