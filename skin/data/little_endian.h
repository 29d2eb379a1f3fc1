#pragma once
// The skin archive's integers: 32 bits, little-endian, signed.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace skin {

// The caller makes sure that four bytes exist at `offset`.
inline std::int32_t ReadInt32Le(std::span<const std::uint8_t> bytes, std::size_t offset) {
  const std::uint32_t value =
      static_cast<std::uint32_t>(bytes[offset]) | static_cast<std::uint32_t>(bytes[offset + 1]) << 8 |
      static_cast<std::uint32_t>(bytes[offset + 2]) << 16 | static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
  return static_cast<std::int32_t>(value);
}

inline void AppendInt32Le(std::vector<std::uint8_t>& bytes, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<std::uint8_t>(bits >> shift));
}

}  // namespace skin
