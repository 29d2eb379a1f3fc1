// The button glyphs must be what the bitmap buttons expect: uncompressed 24-bit
// BMPs of the layout's sizes whose corners are white, the colour the buttons
// draw transparent.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "picture_files.h"

namespace {

using window_picture_test::ReadPictureFile;

struct TRgb {
  int Red, Green, Blue;
};

// Only what these checks need of the header; the program reads BMPs with the skin's decoder.
class TGlyphFile {
 public:
  explicit TGlyphFile(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

  bool HasBmpSignature() const { return bytes_.size() >= 54 && bytes_[0] == 'B' && bytes_[1] == 'M'; }
  std::uint32_t FileSizeField() const { return Little(2, 4); }
  std::uint32_t PixelOffset() const { return Little(10, 4); }
  std::uint32_t InfoHeaderSize() const { return Little(14, 4); }
  int Width() const { return static_cast<int>(Little(18, 4)); }
  int Height() const { return static_cast<int>(Little(22, 4)); }  // positive: stored bottom-up
  int Planes() const { return static_cast<int>(Little(26, 2)); }
  int BitsPerPixel() const { return static_cast<int>(Little(28, 2)); }
  std::uint32_t Compression() const { return Little(30, 4); }
  std::size_t Size() const { return bytes_.size(); }
  std::size_t Stride() const { return (static_cast<std::size_t>(Width()) * 3 + 3) / 4 * 4; }

  // (x, y) counted from the top-left, as the picture is seen.
  TRgb Pixel(int x, int y) const {
    const std::size_t at = PixelOffset() + (Height() - 1 - y) * Stride() + x * 3;
    return {bytes_.at(at + 2), bytes_.at(at + 1), bytes_.at(at)};
  }

 private:
  std::uint32_t Little(std::size_t at, int count) const {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = value << 8 | bytes_.at(at + i);
    return value;
  }

  std::vector<std::uint8_t> bytes_;
};

bool IsOrange(TRgb c) { return c.Red > 200 && c.Green > 70 && c.Green < 180 && c.Blue < 60; }
bool IsGreen(TRgb c) { return c.Green > c.Red + 60 && c.Green > c.Blue + 60; }
bool IsRed(TRgb c) { return c.Red > 170 && c.Green < 80 && c.Blue < 80; }
bool IsMidGrey(TRgb c) { return c.Red == c.Green && c.Green == c.Blue && c.Red > 40 && c.Red < 220; }

struct TGlyph {
  std::string File;
  int Width;
  int Height;
  std::function<bool(TRgb)> SubjectColour;  // of the lids, the square, the gear
};

class GlyphFiles : public testing::TestWithParam<TGlyph> {};

TEST_P(GlyphFiles, AreUncompressed24BitBmpsOfTheirSize) {
  const TGlyphFile bmp(ReadPictureFile(GetParam().File));
  ASSERT_TRUE(bmp.HasBmpSignature());
  EXPECT_EQ(bmp.FileSizeField(), bmp.Size());
  EXPECT_EQ(bmp.InfoHeaderSize(), 40u);
  EXPECT_EQ(bmp.Width(), GetParam().Width);
  EXPECT_EQ(bmp.Height(), GetParam().Height);
  EXPECT_EQ(bmp.Planes(), 1);
  EXPECT_EQ(bmp.BitsPerPixel(), 24);
  EXPECT_EQ(bmp.Compression(), 0u);
  EXPECT_GE(bmp.Size(), bmp.PixelOffset() + bmp.Stride() * GetParam().Height);
}

TEST_P(GlyphFiles, HaveWhiteCornersAndShowTheirSubject) {
  const TGlyphFile bmp(ReadPictureFile(GetParam().File));
  ASSERT_EQ(bmp.Width(), GetParam().Width);
  ASSERT_EQ(bmp.Height(), GetParam().Height);
  const int right = bmp.Width() - 1, bottom = bmp.Height() - 1;
  for (const auto& [x, y] : {std::pair{0, 0}, {right, 0}, {0, bottom}, {right, bottom}}) {
    const TRgb corner = bmp.Pixel(x, y);
    EXPECT_TRUE(corner.Red == 255 && corner.Green == 255 && corner.Blue == 255) << x << "," << y;
  }
  int subject = 0;
  for (int y = 0; y <= bottom; ++y) {
    for (int x = 0; x <= right; ++x) subject += GetParam().SubjectColour(bmp.Pixel(x, y));
  }
  EXPECT_GE(subject, 20);
}

INSTANTIATE_TEST_SUITE_P(
    ButtonGlyphs, GlyphFiles,
    testing::Values(TGlyph{"glyph_nav.bmp", 18, 16, IsOrange}, TGlyph{"glyph_shopping.bmp", 17, 16, IsGreen},
                    TGlyph{"glyph_mall.bmp", 17, 17, IsRed}, TGlyph{"glyph_taobao.bmp", 16, 16, IsOrange},
                    TGlyph{"glyph_settings.bmp", 17, 16, IsMidGrey}),
    [](const testing::TestParamInfo<TGlyph>& info) { return info.param.File.substr(6, info.param.File.size() - 10); });

}  // namespace
