#pragma once
// Pictures of the skin, found by name among the archive's entries.

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "skin/data/skin_bitmap.h"

namespace skin {

// The bytes of the archive entry called `name`, compared without regard to
// ASCII case (the first entry of that name); empty when there is none.
using TEntryLookup = std::function<std::vector<std::uint8_t>(std::string_view name)>;

// The part of an image name after its last '\' or ':'. The name is GBK text,
// so a '\' that is the second byte of a Chinese character is no separator.
std::string_view EntryNameOf(std::string_view imageName);

// Fills `bitmap` from the entry an image name refers to. A name without the
// extension ".bmp" (exactly that, lower case) or without an entry clears it.
// Throws EInvalidGraphic when the entry is no valid BMP file.
void LoadEntryBitmap(TSkinBitmap& bitmap, std::string_view imageName, const TEntryLookup& entries);

}  // namespace skin
