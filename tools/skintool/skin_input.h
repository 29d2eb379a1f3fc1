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
  TSkinLayer layer = TSkinLayer::SkinFile;
  skin::TSkinReader reader;
};

// Throws TToolError with the reason when the bytes hold no loadable skin.
TLoadedSkin LoadSkin(std::span<const std::uint8_t> bytes);

}  // namespace skintool
