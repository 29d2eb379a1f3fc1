#include "skin/engine/geometry/scroll_bar_layout.h"

#include <gtest/gtest.h>

#include <climits>

namespace skin {
namespace {

constexpr TScrollBarMetrics kMetrics{17, 6, 4};
constexpr TPixelRect kVerticalBar{100, 10, 117, 210};

TEST(ScrollBarLayoutTest, ThumbSpansItsPageAndMovesBetweenTheArrows) {
  // 166 pixels of track for 100 positions, a page of 10: a thumb of 17.
  TScrollBarLayout layout = LayoutScrollBar(kVerticalBar, true, {0, 99, 10, 0}, kMetrics);
  EXPECT_EQ(layout.FirstArrow, (TPixelRect{100, 10, 117, 27}));
  EXPECT_EQ(layout.SecondArrow, (TPixelRect{100, 193, 117, 210}));
  EXPECT_EQ(layout.Track, (TPixelRect{100, 27, 117, 193}));
  EXPECT_EQ(layout.Thumb, (TPixelRect{100, 27, 117, 44}));
  EXPECT_TRUE(layout.FirstTrack().Empty());
  EXPECT_EQ(layout.SecondTrack(), (TPixelRect{100, 44, 117, 193}));

  // The last position a page fits from puts the thumb against the far arrow;
  // a position past it stays there; half way is rounded to the nearest pixel.
  EXPECT_EQ(LayoutScrollBar(kVerticalBar, true, {0, 99, 10, 90}, kMetrics).Thumb, (TPixelRect{100, 176, 117, 193}));
  EXPECT_EQ(LayoutScrollBar(kVerticalBar, true, {0, 99, 10, 500}, kMetrics).Thumb, (TPixelRect{100, 176, 117, 193}));
  EXPECT_EQ(LayoutScrollBar(kVerticalBar, true, {0, 99, 10, 45}, kMetrics).Thumb.Top, 27 + 75);

  // Without a page the thumb is an arrow long; a tiny page gets the shortest thumb.
  EXPECT_EQ(LayoutScrollBar(kVerticalBar, true, {0, 99, 0, 0}, kMetrics).Thumb.Height(), 17);
  EXPECT_EQ(LayoutScrollBar(kVerticalBar, true, {0, 9999, 1, 0}, kMetrics).Thumb.Height(), 6);

  // Horizontal bars run the same way from left to right.
  layout = LayoutScrollBar({0, 50, 200, 67}, false, {-50, 49, 10, -50}, kMetrics);
  EXPECT_EQ(layout.FirstArrow, (TPixelRect{0, 50, 17, 67}));
  EXPECT_EQ(layout.Thumb, (TPixelRect{17, 50, 34, 67}));
  EXPECT_EQ(layout.PartAt(5, 55), TScrollPart::FirstArrow);
  EXPECT_EQ(layout.PartAt(20, 55), TScrollPart::Thumb);
  EXPECT_EQ(layout.PartAt(100, 55), TScrollPart::SecondTrack);
  EXPECT_EQ(layout.PartAt(199, 66), TScrollPart::SecondArrow);
  EXPECT_EQ(layout.PartAt(200, 55), TScrollPart::None);
  EXPECT_EQ(layout.PartAt(100, 49), TScrollPart::None);
}

TEST(ScrollBarLayoutTest, ShortBarsDisabledBarsAndWholePagesHaveNoThumb) {
  // Too short for whole arrows: they share the length less the least track.
  TScrollBarLayout layout = LayoutScrollBar({0, 0, 17, 30}, true, {0, 99, 10, 0}, kMetrics);
  EXPECT_EQ(layout.FirstArrow.Height(), 13);
  EXPECT_EQ(layout.SecondArrow, (TPixelRect{0, 17, 17, 30}));
  EXPECT_TRUE(layout.Thumb.Empty());
  EXPECT_EQ(layout.FirstTrack(), layout.Track);
  EXPECT_TRUE(layout.SecondTrack().Empty());
  EXPECT_EQ(LayoutScrollBar({0, 0, 17, 3}, true, {0, 99, 10, 0}, kMetrics).FirstArrow.Height(), 0);

  EXPECT_TRUE(LayoutScrollBar(kVerticalBar, true, {0, 99, 10, 0}, kMetrics, false).Thumb.Empty());
  EXPECT_TRUE(LayoutScrollBar(kVerticalBar, true, {0, 99, 200, 0}, kMetrics).Thumb.Empty());
  // An upside-down range or an empty bar gives no thumb and no part.
  EXPECT_TRUE(LayoutScrollBar(kVerticalBar, true, {10, 0, 5, 3}, kMetrics).Thumb.Empty());
  EXPECT_EQ(LayoutScrollBar({5, 5, 5, 5}, false, {0, 9, 1, 3}, kMetrics).PartAt(5, 5), TScrollPart::None);
}

TEST(ScrollBarLayoutTest, ExtremeRangesKeepTheThumbOnTheTrack) {
  for (const TScrollRange range :
       {TScrollRange{INT_MIN, INT_MAX, 1, 0}, TScrollRange{INT_MIN, INT_MAX, INT_MAX, INT_MAX},
        TScrollRange{0, INT_MAX, 0, INT_MAX}, TScrollRange{INT_MIN, INT_MIN, INT_MIN, INT_MIN}}) {
    const TScrollBarLayout layout = LayoutScrollBar({0, INT_MIN, 17, INT_MAX}, true, range, kMetrics);
    if (layout.Thumb.Empty()) continue;
    EXPECT_GE(layout.Thumb.Top, layout.Track.Top);
    EXPECT_LE(layout.Thumb.Bottom, layout.Track.Bottom);
  }
}

}  // namespace
}  // namespace skin
