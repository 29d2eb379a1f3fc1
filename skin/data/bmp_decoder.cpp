#include "skin/data/bmp_decoder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <new>
#include <vector>

#include "skin/data/little_endian.h"

namespace skin {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kCoreHeaderSize = 12;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;

[[noreturn]] void Refuse(const char* why) { throw EInvalidGraphic(why); }

class TBytes {
 public:
  explicit TBytes(std::span<const std::uint8_t> data) : data_(data) {}

  bool Has(std::size_t offset, std::size_t count) const {
    return offset <= data_.size() && count <= data_.size() - offset;
  }
  std::uint8_t U8(std::size_t offset) const { return *Checked(offset, 1); }
  std::uint32_t U16(std::size_t offset) const {
    const std::uint8_t* p = Checked(offset, 2);
    return p[0] | p[1] << 8;
  }
  std::uint32_t U32(std::size_t offset) const { return static_cast<std::uint32_t>(S32(offset)); }
  std::int32_t S32(std::size_t offset) const {
    Checked(offset, 4);  // refuses a header cut short
    return ReadInt32Le(data_, offset);
  }

 private:
  const std::uint8_t* Checked(std::size_t offset, std::size_t count) const {
    if (!Has(offset, count)) Refuse("BMP header cut short");
    return data_.data() + offset;
  }
  std::span<const std::uint8_t> data_;
};

// One colour channel of a 16- or 32-bit pixel, scaled to 8 bits.
class TChannel {
 public:
  explicit TChannel(std::uint32_t mask) : mask_(mask) {
    if (mask == 0) return;
    shift_ = std::countr_zero(mask);
    bits_ = std::popcount(mask);
    if (std::countl_zero(mask) + shift_ + bits_ != 32) Refuse("BMP bit field mask is not contiguous");
  }
  std::uint8_t Of(std::uint32_t pixel) const {
    if (bits_ == 0) return 0;
    const std::uint32_t value = (pixel & mask_) >> shift_;
    if (bits_ >= 8) return static_cast<std::uint8_t>(value >> (bits_ - 8));
    const std::uint32_t top = (1u << bits_) - 1;
    return static_cast<std::uint8_t>((value * 255 + top / 2) / top);
  }

 private:
  std::uint32_t mask_;
  int shift_ = 0;
  int bits_ = 0;  // 0 for an empty mask, whose channel reads 0
};

struct TBmpLayout {
  int width = 0;
  int height = 0;
  bool topDown = false;
  int bitCount = 0;
  std::uint32_t compression = kRgb;
  std::array<std::uint32_t, 3> masks{};  // red, green, blue
  std::vector<TColour> palette;
  std::span<const std::uint8_t> pixels;
};

bool Supported(int bitCount, std::uint32_t compression, bool core) {
  switch (compression) {
    case kRgb:
      return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 24 ||
             (!core && (bitCount == 16 || bitCount == 32));
    case kRle8:
      return !core && bitCount == 8;
    case kRle4:
      return !core && bitCount == 4;
    case kBitFields:
      return !core && (bitCount == 16 || bitCount == 32);
    default:
      return false;
  }
}

std::array<std::uint32_t, 3> DefaultMasks(int bitCount) {
  if (bitCount == 16) return {0x7C00, 0x03E0, 0x001F};
  return {0xFF0000, 0xFF00, 0xFF};
}

std::vector<TColour> ReadPalette(const TBytes& bytes, std::size_t offset, std::size_t count, std::size_t entrySize) {
  if (!bytes.Has(offset, count * entrySize)) Refuse("BMP palette cut short");
  std::vector<TColour> palette(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t entry = offset + i * entrySize;  // blue, green, red (, unused)
    palette[i] = RgbColour(bytes.U8(entry + 2), bytes.U8(entry + 1), bytes.U8(entry));
  }
  return palette;
}

TBmpLayout ReadLayout(std::span<const std::uint8_t> file) {
  const TBytes bytes(file);
  if (!bytes.Has(0, kFileHeaderSize) || file[0] != 'B' || file[1] != 'M') Refuse("not a BMP file");
  const std::uint32_t pixelOffset = bytes.U32(10);
  const std::uint32_t headerSize = bytes.U32(kFileHeaderSize);
  const bool core = headerSize == kCoreHeaderSize;
  const bool knownInfo =
      headerSize == 40 || headerSize == 52 || headerSize == 56 || headerSize == 108 || headerSize == 124;
  if (!core && !knownInfo) Refuse("unknown BMP header");
  if (!bytes.Has(kFileHeaderSize, headerSize)) Refuse("BMP header cut short");

  TBmpLayout layout;
  std::int64_t height = 0;
  std::uint32_t colorsUsed = 0;
  if (core) {
    layout.width = static_cast<int>(bytes.U16(18));
    height = bytes.U16(20);
    layout.bitCount = static_cast<int>(bytes.U16(24));
  } else {
    layout.width = bytes.S32(18);
    height = bytes.S32(22);
    layout.bitCount = static_cast<int>(bytes.U16(28));
    layout.compression = bytes.U32(30);
    colorsUsed = bytes.U32(46);
  }
  layout.topDown = height < 0;
  height = layout.topDown ? -height : height;
  if (layout.width <= 0 || height <= 0) Refuse("BMP picture without pixels");
  if (layout.width > kMaxBmpSide || height > kMaxBmpSide) Refuse("BMP picture too large");
  layout.height = static_cast<int>(height);
  if (!Supported(layout.bitCount, layout.compression, core)) Refuse("unsupported BMP format");
  if (layout.topDown && layout.compression != kRgb && layout.compression != kBitFields) {
    Refuse("run-length BMP stored top-down");
  }

  // Bit-field masks follow a 40-byte header and sit at the same place inside the larger ones.
  std::size_t paletteOffset = kFileHeaderSize + headerSize;
  if (layout.compression == kBitFields) {
    if (headerSize == kInfoHeaderSize) paletteOffset += 12;
    layout.masks = {bytes.U32(54), bytes.U32(58), bytes.U32(62)};
  } else {
    layout.masks = DefaultMasks(layout.bitCount);
  }
  if (layout.bitCount <= 8) {
    const std::size_t most = std::size_t{1} << layout.bitCount;
    std::size_t count = colorsUsed == 0 ? most : std::min<std::size_t>(colorsUsed, most);
    // Writers that store a short palette say so by where the pixels start.
    const std::size_t entrySize = core ? 3 : 4;
    if (pixelOffset >= paletteOffset) count = std::min<std::size_t>(count, (pixelOffset - paletteOffset) / entrySize);
    layout.palette = ReadPalette(bytes, paletteOffset, count, entrySize);
  }
  if (pixelOffset > file.size()) Refuse("BMP pixel data outside the file");
  layout.pixels = file.subspan(pixelOffset);
  return layout;
}

class TPixelWriter {
 public:
  TPixelWriter(const TBmpLayout& layout, TSkinBitmap& bitmap) : layout_(layout), bitmap_(bitmap) {}

  // Row counted in file order: from the bottom unless the file is top-down.
  void Indexed(int x, int fileRow, std::uint32_t index) {
    Put(x, fileRow, index < layout_.palette.size() ? layout_.palette[index] : RgbColour(0, 0, 0));
  }
  void Put(int x, int fileRow, TColour rgb) {
    bitmap_.SetPixel(x, layout_.topDown ? fileRow : layout_.height - 1 - fileRow, rgb);
  }

 private:
  const TBmpLayout& layout_;
  TSkinBitmap& bitmap_;
};

TSkinBitmap DecodeRows(const TBmpLayout& layout) {
  const std::size_t stride = (static_cast<std::size_t>(layout.width) * layout.bitCount + 31) / 32 * 4;
  // Checked before the picture is made, so a lying header cannot make us allocate.
  if (layout.pixels.size() / stride < static_cast<std::size_t>(layout.height)) Refuse("BMP pixel data cut short");
  TSkinBitmap bitmap(layout.width, layout.height);
  const std::array<TChannel, 3> channels{TChannel(layout.masks[0]), TChannel(layout.masks[1]),
                                         TChannel(layout.masks[2])};
  TPixelWriter writer(layout, bitmap);
  for (int row = 0; row < layout.height; ++row) {
    const std::uint8_t* p = layout.pixels.data() + stride * static_cast<std::size_t>(row);
    for (int x = 0; x < layout.width; ++x) {
      switch (layout.bitCount) {
        case 1:
        case 4:
        case 8: {
          const std::size_t bit = static_cast<std::size_t>(x) * layout.bitCount;
          const unsigned shift = 8 - layout.bitCount - bit % 8;
          writer.Indexed(x, row, (p[bit / 8] >> shift) & ((1u << layout.bitCount) - 1));
          break;
        }
        case 24:
          writer.Put(x, row, RgbColour(p[x * 3 + 2], p[x * 3 + 1], p[x * 3]));
          break;
        default: {
          const std::uint8_t* q = p + static_cast<std::size_t>(x) * (layout.bitCount / 8);
          const std::uint32_t pixel =
              layout.bitCount == 16 ? q[0] | q[1] << 8 : q[0] | q[1] << 8 | q[2] << 16 | std::uint32_t{q[3]} << 24;
          writer.Put(x, row, RgbColour(channels[0].Of(pixel), channels[1].Of(pixel), channels[2].Of(pixel)));
        }
      }
    }
  }
  return bitmap;
}

// Run-length pictures (always bottom-up): pairs of count and value, or an escape
// (0 then 0 end of line, 1 end of picture, 2 move, 3-255 literal run padded to a
// 16-bit boundary). Pixels that the stream skips stay black; pixels it puts
// outside the picture are dropped.
TSkinBitmap DecodeRunLength(const TBmpLayout& layout) {
  TSkinBitmap bitmap(layout.width, layout.height);
  const bool rle4 = layout.compression == kRle4;
  const std::span<const std::uint8_t> data = layout.pixels;
  TPixelWriter writer(layout, bitmap);
  int x = 0;
  int row = 0;
  std::size_t pos = 0;
  const auto put = [&](std::uint32_t index) {
    if (x < layout.width) writer.Indexed(x++, row, index);
  };
  while (row < layout.height) {
    if (data.size() - pos < 2) Refuse("BMP run-length data cut short");
    const unsigned count = data[pos];
    const unsigned value = data[pos + 1];
    pos += 2;
    if (count > 0) {
      for (unsigned i = 0; i < count; ++i) put(rle4 ? (i % 2 == 0 ? value >> 4 : value & 15) : value);
    } else if (value == 0) {
      x = 0;
      ++row;
    } else if (value == 1) {
      break;
    } else if (value == 2) {
      if (data.size() - pos < 2) Refuse("BMP run-length data cut short");
      x = std::min(x + data[pos], layout.width);
      row += data[pos + 1];
      pos += 2;
    } else {
      const std::size_t length = rle4 ? (value + 1) / 2 : value;
      if (data.size() - pos < length) Refuse("BMP run-length data cut short");
      for (unsigned i = 0; i < value; ++i) {
        put(rle4 ? (i % 2 == 0 ? data[pos + i / 2] >> 4 : data[pos + i / 2] & 15) : data[pos + i]);
      }
      pos += std::min(length + length % 2, data.size() - pos);
    }
  }
  return bitmap;
}

}  // namespace

TSkinBitmap DecodeBmp(std::span<const std::uint8_t> file) {
  const TBmpLayout layout = ReadLayout(file);
  const bool runLength = layout.compression == kRle4 || layout.compression == kRle8;
  try {
    return runLength ? DecodeRunLength(layout) : DecodeRows(layout);
  } catch (const std::bad_alloc&) {
    // A run-length header may ask for 16,384 x 16,384 pixels in a few bytes; where
    // memory runs out that is one more picture the skin cannot have.
    Refuse("not enough memory for the BMP picture");
  }
}

}  // namespace skin
