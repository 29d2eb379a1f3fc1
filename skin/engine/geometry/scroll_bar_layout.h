#pragma once
// Where the parts of a scroll bar lie: its two arrow buttons at the ends, the
// track between them and the thumb on the track, worked out from the bar's
// rectangle and its scroll range as the system lays out its own bars, so a
// skinned bar shows each part where the system looks for it.

#include "skin/engine/geometry/pixel_rect.h"

namespace skin {

// A bar's scroll range as the system keeps it (SCROLLINFO).
struct TScrollRange {
  int Min = 0;
  int Max = 0;
  int Page = 0;
  int Position = 0;
};

// The system's sizes of a bar's parts.
struct TScrollBarMetrics {
  // An arrow button's length along the bar.
  int Arrow = 0;
  // The shortest thumb a page-sized range gets.
  int MinThumb = 0;
  // What a bar too short for whole arrows leaves between them.
  int MinTrack = 0;
};

enum class TScrollPart { None, FirstArrow, FirstTrack, Thumb, SecondTrack, SecondArrow };

struct TScrollBarLayout {
  bool Vertical = false;
  // The whole bar.
  TPixelRect Bar;
  // Up or left, then down or right.
  TPixelRect FirstArrow;
  TPixelRect SecondArrow;
  // Between the arrows.
  TPixelRect Track;
  // Empty when the bar has no thumb (too short, or both arrows disabled).
  TPixelRect Thumb;

  // The track before and after the thumb: the whole track when there is no
  // thumb, and then the second part is empty.
  TPixelRect FirstTrack() const;
  TPixelRect SecondTrack() const;
  // The part under a point; None outside the bar.
  TScrollPart PartAt(int x, int y) const;

  bool operator==(const TScrollBarLayout&) const = default;
};

// `showThumb` false leaves the thumb out (a bar with both arrows disabled).
TScrollBarLayout LayoutScrollBar(const TPixelRect& bar, bool vertical, const TScrollRange& range,
                                 const TScrollBarMetrics& metrics, bool showThumb = true);

}  // namespace skin
