#pragma once
// Keeps fuzz inputs quick: an archive may declare up to 64 MiB, which decodes
// correctly but slowly; the fuzzers skip declarations above 64 KiB (the limit
// itself has its unit tests).

#include <cstddef>
#include <cstdint>
#include <span>

#include "skin/data/little_endian.h"

namespace skinfuzz {

inline constexpr std::int32_t kLargestDeclaredSize = 64 << 10;

// True when the archive's declared size (its first 4 bytes) stays within the limit.
inline bool DeclaresQuickImage(std::span<const std::uint8_t> archive) {
  return archive.size() < 4 || skin::ReadInt32Le(archive, 0) <= kLargestDeclaredSize;
}

}  // namespace skinfuzz
