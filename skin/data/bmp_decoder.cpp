#include "skin/data/bmp_decoder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <new>
#include <string>
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
  int Width = 0;
  int Height = 0;
  bool TopDown = false;
  int BitCount = 0;
  std::uint32_t Compression = kRgb;
  std::array<std::uint32_t, 3> Masks{};  // red, green, blue
  std::vector<TColour> Palette;
  std::span<const std::uint8_t> Pixels;
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
    layout.Width = static_cast<int>(bytes.U16(18));
    height = bytes.U16(20);
    layout.BitCount = static_cast<int>(bytes.U16(24));
  } else {
    layout.Width = bytes.S32(18);
    height = bytes.S32(22);
    layout.BitCount = static_cast<int>(bytes.U16(28));
    layout.Compression = bytes.U32(30);
    colorsUsed = bytes.U32(46);
  }
  layout.TopDown = height < 0;
  height = layout.TopDown ? -height : height;
  if (layout.Width <= 0 || height <= 0) Refuse("BMP picture without pixels");
  if (layout.Width > kMaxBmpSide || height > kMaxBmpSide) Refuse("BMP picture too large");
  layout.Height = static_cast<int>(height);
  if (!Supported(layout.BitCount, layout.Compression, core)) Refuse("unsupported BMP format");
  if (layout.TopDown && layout.Compression != kRgb && layout.Compression != kBitFields) {
    Refuse("run-length BMP stored top-down");
  }

  // Bit-field masks follow a 40-byte header and sit at the same place inside the larger ones.
  std::size_t paletteOffset = kFileHeaderSize + headerSize;
  if (layout.Compression == kBitFields) {
    if (headerSize == kInfoHeaderSize) paletteOffset += 12;
    layout.Masks = {bytes.U32(54), bytes.U32(58), bytes.U32(62)};
  } else {
    layout.Masks = DefaultMasks(layout.BitCount);
  }
  if (layout.BitCount <= 8) {
    const std::size_t most = std::size_t{1} << layout.BitCount;
    std::size_t count = colorsUsed == 0 ? most : std::min<std::size_t>(colorsUsed, most);
    // Writers that store a short palette say so by where the pixels start.
    const std::size_t entrySize = core ? 3 : 4;
    if (pixelOffset >= paletteOffset) count = std::min<std::size_t>(count, (pixelOffset - paletteOffset) / entrySize);
    layout.Palette = ReadPalette(bytes, paletteOffset, count, entrySize);
  }
  if (pixelOffset > file.size()) Refuse("BMP pixel data outside the file");
  layout.Pixels = file.subspan(pixelOffset);
  return layout;
}

class TPixelWriter {
 public:
  TPixelWriter(const TBmpLayout& layout, TSkinBitmap& bitmap) : layout_(layout), bitmap_(bitmap) {}

  // Row counted in file order: from the bottom unless the file is top-down.
  void Indexed(int x, int fileRow, std::uint32_t index) {
    Put(x, fileRow, index < layout_.Palette.size() ? layout_.Palette[index] : RgbColour(0, 0, 0));
  }
  void Put(int x, int fileRow, TColour rgb) {
    bitmap_.SetPixel(x, layout_.TopDown ? fileRow : layout_.Height - 1 - fileRow, rgb);
  }

 private:
  const TBmpLayout& layout_;
  TSkinBitmap& bitmap_;
};

// The empty picture of the layout's size, once the budget allows it.
TSkinBitmap NewPicture(const TBmpLayout& layout, TSkinBudget& budget) {
  budget.Reserve(TSkinBitmap::BytesFor(layout.Width, layout.Height),
                 "a picture of " + std::to_string(layout.Width) + " x " + std::to_string(layout.Height) + " pixels");
  return TSkinBitmap(layout.Width, layout.Height);
}

TSkinBitmap DecodeRows(const TBmpLayout& layout, TSkinBudget& budget) {
  const std::size_t stride = (static_cast<std::size_t>(layout.Width) * layout.BitCount + 31) / 32 * 4;
  // Checked before the picture is made, so a lying header cannot make us allocate.
  if (layout.Pixels.size() / stride < static_cast<std::size_t>(layout.Height)) Refuse("BMP pixel data cut short");
  TSkinBitmap bitmap = NewPicture(layout, budget);
  const std::array<TChannel, 3> channels{TChannel(layout.Masks[0]), TChannel(layout.Masks[1]),
                                         TChannel(layout.Masks[2])};
  TPixelWriter writer(layout, bitmap);
  for (int row = 0; row < layout.Height; ++row) {
    const std::uint8_t* p = layout.Pixels.data() + stride * static_cast<std::size_t>(row);
    for (int x = 0; x < layout.Width; ++x) {
      switch (layout.BitCount) {
        case 1:
        case 4:
        case 8: {
          const std::size_t bit = static_cast<std::size_t>(x) * layout.BitCount;
          const unsigned shift = 8 - layout.BitCount - bit % 8;
          writer.Indexed(x, row, (p[bit / 8] >> shift) & ((1u << layout.BitCount) - 1));
          break;
        }
        case 24:
          writer.Put(x, row, RgbColour(p[x * 3 + 2], p[x * 3 + 1], p[x * 3]));
          break;
        default: {
          const std::uint8_t* q = p + static_cast<std::size_t>(x) * (layout.BitCount / 8);
          const std::uint32_t pixel =
              layout.BitCount == 16 ? q[0] | q[1] << 8 : q[0] | q[1] << 8 | q[2] << 16 | std::uint32_t{q[3]} << 24;
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
TSkinBitmap DecodeRunLength(const TBmpLayout& layout, TSkinBudget& budget) {
  TSkinBitmap bitmap = NewPicture(layout, budget);
  const bool rle4 = layout.Compression == kRle4;
  const std::span<const std::uint8_t> data = layout.Pixels;
  TPixelWriter writer(layout, bitmap);
  int x = 0;
  int row = 0;
  std::size_t pos = 0;
  const auto put = [&](std::uint32_t index) {
    if (x < layout.Width) writer.Indexed(x++, row, index);
  };
  while (row < layout.Height) {
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
      x = std::min(x + data[pos], layout.Width);
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
  TSkinBudget budget;
  return DecodeBmp(file, budget);
}

TSkinBitmap DecodeBmp(std::span<const std::uint8_t> file, TSkinBudget& budget) {
  const TBmpLayout layout = ReadLayout(file);
  const bool runLength = layout.Compression == kRle4 || layout.Compression == kRle8;
  try {
    return runLength ? DecodeRunLength(layout, budget) : DecodeRows(layout, budget);
  } catch (const std::bad_alloc&) {
    // Memory may run out within the budget too; that is one more picture the
    // skin cannot have.
    Refuse("not enough memory for the BMP picture");
  }
}

}  // namespace skin
