#pragma once
// The stored SkinStream value: a 32-bit little-endian length L, then L bytes
// of skin archive; L of 0 or less means that no archive follows.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace skin {

// The archive inside a SkinStream value (empty when L <= 0); nothing when the
// value is shorter than its length prefix or than the length it declares.
// Bytes after the archive are ignored.
std::optional<std::vector<std::uint8_t>> ReadSkinStream(std::span<const std::uint8_t> value);

// The SkinStream value that holds `archive`.
std::vector<std::uint8_t> WriteSkinStream(std::span<const std::uint8_t> archive);

// True when `bytes` look like a SkinStream value rather than a bare archive:
// the length prefix counts exactly the bytes that follow it. (A bare archive
// would need a decompressed size equal to its compressed size for that.)
bool LooksLikeSkinStream(std::span<const std::uint8_t> bytes);

}  // namespace skin
