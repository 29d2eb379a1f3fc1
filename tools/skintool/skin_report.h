#pragma once
// What skintool prints about a loaded skin, in UTF-8.

#include <ostream>
#include <string>

#include "tools/skintool/skin_input.h"

namespace skintool {

// Key "SkinName" of section "TitlebarSkin" in the settings text (the first
// entry whose name contains ".ini"), as UTF-8; empty when there is none.
std::string SkinNameOf(const skin::TSkinReader& reader);

// Layer, version, declared and actual decompressed size, names length, entry count, skin name.
void PrintInfo(const TLoadedSkin& skin, std::ostream& out);

// One line per entry in archive order: name, a tab, size. Control characters
// in names and the skin name are escaped (see Printable).
void PrintList(const TLoadedSkin& skin, std::ostream& out);

}  // namespace skintool
