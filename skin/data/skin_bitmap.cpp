#include "skin/data/skin_bitmap.h"

#include <algorithm>
#include <cstring>

namespace skin {
namespace {

std::size_t StrideFor(int width) { return (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3}; }

}  // namespace

TSkinBitmap::TSkinBitmap(int width, int height) {
  if (width <= 0 || height <= 0) return;
  width_ = width;
  height_ = height;
  stride_ = StrideFor(width);
  bits_ = std::make_shared<std::vector<std::uint8_t>>(BytesFor(width, height), 0);
}

std::size_t TSkinBitmap::BytesFor(int width, int height) {
  return width <= 0 || height <= 0 ? 0 : StrideFor(width) * static_cast<std::size_t>(height);
}

std::span<const std::uint8_t> TSkinBitmap::Bits() const {
  return bits_ ? std::span<const std::uint8_t>(*bits_) : std::span<const std::uint8_t>();
}

std::uint8_t* TSkinBitmap::OwnBits() {
  if (!bits_) return nullptr;
  if (bits_.use_count() > 1) bits_ = std::make_shared<std::vector<std::uint8_t>>(*bits_);
  return bits_->data();
}

bool TSkinBitmap::operator==(const TSkinBitmap& other) const {
  return width_ == other.width_ && height_ == other.height_ && std::ranges::equal(Bits(), other.Bits());
}

TColour TSkinBitmap::Pixel(int x, int y) const {
  const std::uint8_t* p = Row(y) + static_cast<std::size_t>(x) * 3;
  return RgbColour(p[2], p[1], p[0]);
}

void TSkinBitmap::SetPixel(int x, int y, TColour rgb) {
  std::uint8_t* p = Row(y) + static_cast<std::size_t>(x) * 3;
  p[0] = BlueOf(rgb);
  p[1] = GreenOf(rgb);
  p[2] = RedOf(rgb);
}

TSkinBitmap TSkinBitmap::Copy(int x, int y, int width, int height) const {
  // 64-bit sums: a rectangle far outside must not overflow on its way to the clip.
  const auto clip = [](long long value, long long low, long long high) {
    return static_cast<int>(std::clamp(value, low, high));
  };
  const int left = clip(x, 0, width_);
  const int top = clip(y, 0, height_);
  const int right = clip(static_cast<long long>(x) + std::max(width, 0), left, width_);
  const int bottom = clip(static_cast<long long>(y) + std::max(height, 0), top, height_);
  TSkinBitmap part(right - left, bottom - top);
  for (int row = 0; row < part.height_; ++row) {
    std::memcpy(part.Row(row), Row(top + row) + static_cast<std::size_t>(left) * 3,
                static_cast<std::size_t>(part.width_) * 3);
  }
  return part;
}

}  // namespace skin
