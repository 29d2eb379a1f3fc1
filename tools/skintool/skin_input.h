#pragma once
// A skin as skintool reads it: a skin file (the bare archive) or a stored
// SkinStream value (the archive behind its 32-bit length).

#include <cstdint>
#include <span>
#include <string_view>

#include "skin/data/skin_reader.h"

namespace skintool {

// Larger files are refused unread. The image is at most 64 MiB, and the
// decoder takes less than 3 bytes of stream for each byte it produces (the
// model's codes stay under 24 bits while its root weight is below 32,768).
inline constexpr std::uintmax_t kMaxSkinInputBytes = 4 * std::uintmax_t{skin::kMaxSkinImageSize};

enum class TSkinLayer { SkinFile, SkinStream };

// "skin file" or "SkinStream value".
std::string_view LayerName(TSkinLayer layer);

struct TLoadedSkin {
  TSkinLayer Layer = TSkinLayer::SkinFile;
  skin::TSkinReader Reader;
};

// The bytes are read as the program reads a skin file, the bare archive; only
// when that fails, and the first 4 bytes count exactly the bytes after them,
// as a SkinStream value. So every file the program loads as a skin file is
// read as one, whatever its first 4 bytes happen to say. Throws TToolError with
// the reason when neither loads, and when the compressed stream ends before
// the declared size is decoded: the program reads zero bits in its place, so
// entries past that point are damaged.
TLoadedSkin LoadSkin(std::span<const std::uint8_t> bytes);

}  // namespace skintool
