#pragma once
// A skin as skintool reads it: a skin file (the bare archive) or a stored
// SkinStream value (the archive behind its 32-bit length).

#include <cstdint>
#include <span>
#include <string_view>

#include "skin/data/skin_reader.h"

namespace skintool {

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
// the reason when neither loads (a compressed stream that ends before its
// declared size included, which the program refuses too).
TLoadedSkin LoadSkin(std::span<const std::uint8_t> bytes);

}  // namespace skintool
