#include "window/picture/jpeg_picture.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

#include "picture_files.h"
#include "test_jpegs.h"

namespace {

using window::DecodeJpeg;
using window::TJpegPicture;
using window_picture_test::EncodeJpeg;
using window_picture_test::PlainRecipe;
using window_picture_test::ReadPictureFile;
using window_picture_test::ScanPerCoefficient;
using window_picture_test::TJpegRecipe;

// Blue, green, red of pixel (x, y).
std::array<int, 3> Bgr(const TJpegPicture& picture, int x, int y) {
  const std::uint8_t* pixel = picture.Pixels.data() + y * picture.Stride + x * 3;
  return {pixel[0], pixel[1], pixel[2]};
}

void ExpectNear(std::array<int, 3> actual, std::array<int, 3> expected) {
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(actual[i], expected[i], 4) << "channel " << i;
}

int Brightness(const TJpegPicture& picture, int x, int y) {
  const auto [blue, green, red] = Bgr(picture, x, y);
  return (blue + green + red) / 3;
}

// 16 x 16 in four 8 x 8 blocks: red, blue above; green, white below.
TJpegRecipe Quadrants() {
  TJpegRecipe recipe;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const bool top = y < 8, left = x < 8;
      const std::array<std::uint8_t, 3> rgb =
          top ? (left ? std::array<std::uint8_t, 3>{255, 0, 0} : std::array<std::uint8_t, 3>{0, 0, 255})
              : (left ? std::array<std::uint8_t, 3>{0, 255, 0} : std::array<std::uint8_t, 3>{255, 255, 255});
      recipe.Samples.insert(recipe.Samples.end(), rgb.begin(), rgb.end());
    }
  }
  return recipe;
}

void ExpectQuadrants(const TJpegPicture& picture) {
  ASSERT_EQ(picture.Width, 16);
  ASSERT_EQ(picture.Height, 16);
  ExpectNear(Bgr(picture, 3, 3), {0, 0, 255});
  ExpectNear(Bgr(picture, 12, 3), {255, 0, 0});
  ExpectNear(Bgr(picture, 3, 12), {0, 255, 0});
  ExpectNear(Bgr(picture, 12, 12), {255, 255, 255});
}

TEST(JpegLayout, RowsRunTopDownAndPixelsAreBlueGreenRed) {
  const auto picture = DecodeJpeg(EncodeJpeg(Quadrants()));
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->Stride, 48u);
  EXPECT_EQ(picture->Pixels.size(), 16u * 48u);
  ExpectQuadrants(*picture);
}

TEST(JpegLayout, RowsArePaddedToFourBytesWithZeros) {
  const auto picture = DecodeJpeg(EncodeJpeg(PlainRecipe(5, 3, JCS_RGB, {200, 100, 50})));
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->Stride, 16u);
  ASSERT_EQ(picture->Pixels.size(), 48u);
  for (int y = 0; y < 3; ++y) {
    ExpectNear(Bgr(*picture, 4, y), {50, 100, 200});
    EXPECT_EQ(picture->Pixels[y * 16 + 15], 0) << "row " << y;
  }
}

TEST(JpegKinds, ProgressiveAndArithmeticCodedDecodeLikeBaseline) {
  for (const auto& [progressive, arithmeticCoded] : {std::pair{true, false}, {false, true}, {true, true}}) {
    SCOPED_TRACE(testing::Message() << "progressive " << progressive << ", arithmetic " << arithmeticCoded);
    TJpegRecipe recipe = Quadrants();
    recipe.Progressive = progressive;
    recipe.ArithmeticCoded = arithmeticCoded;
    const auto picture = DecodeJpeg(EncodeJpeg(recipe));
    ASSERT_TRUE(picture);
    ExpectQuadrants(*picture);
  }
}

TEST(JpegKinds, GreyscaleFillsAllThreeChannels) {
  const auto picture = DecodeJpeg(EncodeJpeg(PlainRecipe(8, 8, JCS_GRAYSCALE, {90})));
  ASSERT_TRUE(picture);
  ExpectNear(Bgr(*picture, 7, 7), {90, 90, 90});
}

TEST(JpegKinds, CmykIsRefused) { EXPECT_FALSE(DecodeJpeg(EncodeJpeg(PlainRecipe(8, 8, JCS_CMYK, {0, 255, 255, 0})))); }

TEST(JpegLimits, PixelCountUpToTheLimitDecodes) {
  const auto picture = DecodeJpeg(EncodeJpeg(PlainRecipe(2048, 2048, JCS_GRAYSCALE, {255})));
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->Width * picture->Height, window::kMaxJpegPixels);

  EXPECT_FALSE(DecodeJpeg(EncodeJpeg(PlainRecipe(2048, 2049, JCS_GRAYSCALE, {255}))));
}

TEST(JpegLimits, ScanCountUpToTheLimitDecodes) {
  TJpegRecipe grey = PlainRecipe(8, 8, JCS_GRAYSCALE, {40});
  grey.Scans = ScanPerCoefficient(1);
  ASSERT_LE(grey.Scans.size(), static_cast<std::size_t>(window::kMaxJpegScans));
  EXPECT_TRUE(DecodeJpeg(EncodeJpeg(grey)));

  TJpegRecipe colour = PlainRecipe(8, 8, JCS_RGB, {40, 80, 120});
  colour.Scans = ScanPerCoefficient(3);
  ASSERT_GT(colour.Scans.size(), static_cast<std::size_t>(window::kMaxJpegScans));
  EXPECT_FALSE(DecodeJpeg(EncodeJpeg(colour)));
}

TEST(JpegFailures, TruncatedFilesAreRefused) {
  const std::vector<std::uint8_t> today = ReadPictureFile("today.jpg");
  ASSERT_TRUE(DecodeJpeg(today));
  // Nothing, the start marker alone, inside the headers, inside the picture
  // data, and all but the end marker.
  for (const std::size_t length :
       {std::size_t{0}, std::size_t{2}, std::size_t{30}, today.size() / 2, today.size() - 2}) {
    const std::span<const std::uint8_t> cut(today.data(), length);
    EXPECT_FALSE(DecodeJpeg(cut)) << length << " of " << today.size() << " bytes";
  }
}

TEST(JpegFailures, OtherDataIsRefused) {
  std::mt19937 random(7);
  std::vector<std::uint8_t> noise(4096);
  for (auto& byte : noise) byte = static_cast<std::uint8_t>(random());
  EXPECT_FALSE(DecodeJpeg(noise));

  std::vector<std::uint8_t> noiseAfterStartMarker = {0xFF, 0xD8};
  noiseAfterStartMarker.insert(noiseAfterStartMarker.end(), noise.begin(), noise.end());
  EXPECT_FALSE(DecodeJpeg(noiseAfterStartMarker));

  EXPECT_FALSE(DecodeJpeg(ReadPictureFile("glyph_nav.bmp")));
}

TEST(JpegFailures, MarkerInsidePictureDataIsRefused) {
  std::vector<std::uint8_t> jpeg = EncodeJpeg(Quadrants());
  ASSERT_TRUE(DecodeJpeg(jpeg));
  // A marker that may not stand inside the picture data, just before its end.
  jpeg[jpeg.size() - 4] = 0xFF;
  jpeg[jpeg.size() - 3] = 0xD8;
  EXPECT_FALSE(DecodeJpeg(jpeg));
}

// The today picture: the window shows its top-left 60 x 33 pixels and lays the
// "今天" label over rows 16 to 28 of it, so the lettering keeps to rows 1 to 15.
TEST(TodayPicture, IsSixtyByFortyWithWhiteCorners) {
  const auto picture = DecodeJpeg(ReadPictureFile("today.jpg"));
  ASSERT_TRUE(picture);
  ASSERT_EQ(picture->Width, 60);
  ASSERT_EQ(picture->Height, 40);
  for (const auto& [x, y] : {std::pair{0, 0}, {59, 0}, {0, 39}, {59, 39}}) {
    EXPECT_GE(Brightness(*picture, x, y), 245) << x << "," << y;
  }
}

TEST(TodayPicture, EachOfTheFourCharactersHasDarkStrokesAboveTheLabel) {
  const auto picture = DecodeJpeg(ReadPictureFile("today.jpg"));
  ASSERT_TRUE(picture);
  for (int character = 0; character < 4; ++character) {
    int dark = 0;
    for (int y = 1; y <= 15; ++y) {
      for (int x = character * 15; x < character * 15 + 15; ++x) dark += Brightness(*picture, x, y) < 96;
    }
    EXPECT_GE(dark, 15) << "character " << character;
  }
  for (int y = 17; y < 40; ++y) {
    for (int x = 0; x < 60; ++x) ASSERT_GE(Brightness(*picture, x, y), 230) << x << "," << y;
  }
}

}  // namespace
