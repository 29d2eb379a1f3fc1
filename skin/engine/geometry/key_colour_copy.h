#pragma once
// Copying pixels over others except where they have the key colour: a
// transparent copy done in our own memory, without a mask; and placing a
// picture anywhere over a bitmap, cut at its edges.

#include <cstdint>

#include "skin/engine/geometry/pixel_view.h"

namespace skin {

// Copies every pixel of `from` whose red, green and blue are not exactly the
// key's onto the same place in `to`; only the part both views cover.
void CopyUnlessKey(const TConstPixelView& from, const TPixelView& to, std::uint8_t red, std::uint8_t green,
                   std::uint8_t blue);

// Copies `from` onto `to` with its top-left corner at (left, top), only the
// part that lands inside `to` (any of it may lie outside); with
// `transparent`, pixels of the key colour are left out.
void CopyPixelsAt(const TConstPixelView& from, const TPixelView& to, int left, int top, bool transparent,
                  std::uint8_t red, std::uint8_t green, std::uint8_t blue);

}  // namespace skin
