#include "bmp_builder.h"

namespace skintest {
namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(value & 0xFF);
  out.push_back((value >> 8) & 0xFF);
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

}  // namespace

std::vector<std::uint8_t> BuildBmp(const TBmpFields& f) {
  const bool core = f.HeaderSize == 12;
  std::vector<std::uint8_t> header;
  Put32(header, f.HeaderSize);
  if (core) {
    Put16(header, static_cast<std::uint32_t>(f.Width));
    Put16(header, static_cast<std::uint32_t>(f.Height));
    Put16(header, 1);
    Put16(header, f.BitCount);
  } else {
    Put32(header, static_cast<std::uint32_t>(f.Width));
    Put32(header, static_cast<std::uint32_t>(f.Height));
    Put16(header, 1);
    Put16(header, f.BitCount);
    Put32(header, f.Compression);
    Put32(header, static_cast<std::uint32_t>(f.Pixels.size()));
    Put32(header, 2835);
    Put32(header, 2835);
    Put32(header, f.ColorsUsed);
    Put32(header, 0);
    if (f.Compression == 3 || f.HeaderSize > 40) {
      for (std::uint32_t mask : f.Masks) Put32(header, mask);
    }
    header.resize(f.HeaderSize, 0);
    if (f.Compression == 3 && f.HeaderSize == 40) {
      for (std::uint32_t mask : f.Masks) Put32(header, mask);
    }
  }
  for (std::uint32_t colour : f.Palette) {  // blue, green, red
    header.push_back((colour >> 16) & 0xFF);
    header.push_back((colour >> 8) & 0xFF);
    header.push_back(colour & 0xFF);
    if (!core) header.push_back(0);
  }

  std::vector<std::uint8_t> file{'B', 'M'};
  const std::size_t offset = f.PixelOffset >= 0 ? static_cast<std::size_t>(f.PixelOffset) : 14 + header.size();
  Put32(file, static_cast<std::uint32_t>(14 + header.size() + f.Pixels.size()));
  Put32(file, 0);
  Put32(file, static_cast<std::uint32_t>(offset));
  file.insert(file.end(), header.begin(), header.end());
  file.insert(file.end(), f.Pixels.begin(), f.Pixels.end());
  return file;
}

std::vector<std::uint8_t> PackRows(int width, int height, bool topDown, int bitCount,
                                   const std::function<std::uint32_t(int x, int y)>& value) {
  const std::size_t stride = (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
  std::vector<std::uint8_t> rows(stride * height, 0);
  for (int fileRow = 0; fileRow < height; ++fileRow) {
    const int y = topDown ? fileRow : height - 1 - fileRow;
    std::uint8_t* row = rows.data() + stride * fileRow;
    for (int x = 0; x < width; ++x) {
      const std::uint32_t v = value(x, y);
      if (bitCount < 8) {
        const std::size_t bit = static_cast<std::size_t>(x) * bitCount;
        row[bit / 8] |= static_cast<std::uint8_t>(v << (8 - bitCount - bit % 8));
      } else {
        for (int b = 0; b < bitCount / 8; ++b) row[x * (bitCount / 8) + b] = (v >> (8 * b)) & 0xFF;
      }
    }
  }
  return rows;
}

std::vector<std::uint8_t> Bmp24(int width, int height, const std::function<std::uint32_t(int x, int y)>& rgb) {
  TBmpFields fields;
  fields.Width = width;
  fields.Height = height;
  // Stored blue, green, red: the reverse of the colour value's byte order.
  fields.Pixels = PackRows(width, height, false, 24, [&](int x, int y) {
    const std::uint32_t c = rgb(x, y);
    return (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
  });
  return BuildBmp(fields);
}

}  // namespace skintest
