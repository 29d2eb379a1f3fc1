#pragma once
// Colours written in the settings text.

#include <string_view>

#include "colour/colour.h"
#include "skin/data/ini_text.h"

namespace skin {

// A colour text such as "210 232 249", "210,232,249" or "210;232;249": digit
// runs are red, green and blue in that order, each taken modulo 256, missing
// ones 0. A number still open at the end of the text counts only as the third.
TColour ParseColourText(std::string_view text);

// The colour text of a key; `fallback` when the key is missing or empty.
TColour ReadColourKey(const TIniText& ini, std::string_view section, std::string_view key, TColour fallback);

// The integer keys prefix+"R", prefix+"G", prefix+"B": when all three are 0 or
// more, `colour` becomes their RGB value (each modulo 256); otherwise it stays.
void ReadRGBKeys(const TIniText& ini, std::string_view section, std::string_view prefix, TColour& colour);

}  // namespace skin
