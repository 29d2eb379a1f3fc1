#include "skin/data/skin_stream.h"

#include "skin/data/little_endian.h"

namespace skin {

namespace {
constexpr std::size_t kPrefixSize = 4;
}

std::optional<std::vector<std::uint8_t>> ReadSkinStream(std::span<const std::uint8_t> value) {
  if (value.size() < kPrefixSize) return std::nullopt;
  const std::int32_t length = ReadInt32Le(value, 0);
  if (length <= 0) return std::vector<std::uint8_t>();
  if (static_cast<std::size_t>(length) > value.size() - kPrefixSize) return std::nullopt;
  const std::span<const std::uint8_t> archive = value.subspan(kPrefixSize, static_cast<std::size_t>(length));
  return std::vector<std::uint8_t>(archive.begin(), archive.end());
}

std::vector<std::uint8_t> WriteSkinStream(std::span<const std::uint8_t> archive) {
  std::vector<std::uint8_t> value;
  value.reserve(kPrefixSize + archive.size());
  AppendInt32Le(value, static_cast<std::int32_t>(archive.size()));
  value.insert(value.end(), archive.begin(), archive.end());
  return value;
}

bool LooksLikeSkinStream(std::span<const std::uint8_t> bytes) {
  return bytes.size() > kPrefixSize && ReadInt32Le(bytes, 0) == static_cast<std::int64_t>(bytes.size() - kPrefixSize);
}

}  // namespace skin
