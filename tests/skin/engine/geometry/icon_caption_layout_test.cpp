#include "skin/engine/geometry/icon_caption_layout.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

TEST(IconCaptionLayoutTest, TheIconAndCaptionStandTogetherAtTheAlignedEdge) {
  // A 100 x 20 item at x 200 with a 16 x 16 icon and a 40 x 13 caption.
  const TPixelRect item{200, 10, 300, 30};
  TIconCaptionPlaces right = PlaceIconCaption(item, TCaptionAlignment::Right, 16, 16, 40, 13);
  EXPECT_EQ(right.IconLeft, 242);
  EXPECT_EQ(right.IconTop, 12);
  EXPECT_EQ(right.Text, (TPixelRect{259, 13, 299, 26}));

  TIconCaptionPlaces left = PlaceIconCaption(item, TCaptionAlignment::Left, 16, 16, 40, 13);
  EXPECT_EQ(left.IconLeft, 202);
  EXPECT_EQ(left.Text.Left, 219);
  // Centred: the odd pixel of room goes to the right.
  TIconCaptionPlaces centre = PlaceIconCaption(item, TCaptionAlignment::Centre, 16, 16, 41, 13);
  EXPECT_EQ(centre.IconLeft, 221);
  EXPECT_EQ(centre.Text, (TPixelRect{238, 13, 279, 26}));
}

TEST(IconCaptionLayoutTest, WithoutAnIconTheCaptionStartsOnePixelPastTheGapAndAWideOneOverhangs) {
  const TPixelRect item{0, 0, 100, 20};
  EXPECT_EQ(PlaceIconCaption(item, TCaptionAlignment::Left, 0, 0, 40, 13).Text.Left, 3);
  EXPECT_EQ(PlaceIconCaption(item, TCaptionAlignment::Right, 0, 0, 40, 13).Text, (TPixelRect{59, 3, 99, 16}));
  // A caption wider than its item starts left of it (the drawing clips it).
  EXPECT_EQ(PlaceIconCaption(item, TCaptionAlignment::Right, 16, 16, 120, 13).IconLeft, -38);
  // Any sizes at all give places without overflowing on the way.
  const TPixelRect huge{-2000000000, -2000000000, 2000000000, 2000000000};
  const TIconCaptionPlaces far = PlaceIconCaption(huge, TCaptionAlignment::Centre, -5, 7, 2000000000, 9);
  EXPECT_EQ(far.IconTop, -4);
  EXPECT_EQ(far.IconLeft, -999999998);
}

}  // namespace
}  // namespace skin
