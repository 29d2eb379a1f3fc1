#pragma once
// How many states each element's picture holds.

#include <cstdint>

#include "skin/data/ini_text.h"
#include "skin/data/skin_settings.h"

namespace skin {

// Painters divide a picture by its state count, so a count the settings text
// gives as 0 or less, or as more states than the picture has pixels along them
// (`extent`; cells of no pixel would draw nothing), is taken as 1.
constexpr std::int32_t UsableStates(std::int32_t count, int extent) {
  return count < 1 || (extent > 0 && count > extent) ? 1 : count;
}

// Gives every present element its state count: fixed ones from the element
// table, the scroll thumbs' from their sections, and the check and radio
// glyph counts from the glyph pictures when the skin gives none.
void SetFrameCounts(TSkinSettings& skin, const TIniText& ini);

}  // namespace skin
