#pragma once
// Copying pixels over others except where they have the key colour: a
// transparent copy done in our own memory, without a mask.

#include <cstdint>

#include "skin/engine/pixel_view.h"

namespace skin {

// Copies every pixel of `from` whose red, green and blue are not exactly the
// key's onto the same place in `to`; only the part both views cover.
void CopyUnlessKey(const TConstPixelView& from, const TPixelView& to, std::uint8_t red, std::uint8_t green,
                   std::uint8_t blue);

}  // namespace skin
