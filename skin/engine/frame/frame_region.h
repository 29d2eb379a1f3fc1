#pragma once
// The window region of a skinned frame whose side or top borders are
// transparent: the client area joined with each border piece as painted,
// less its magenta pixels.

#include <windows.h>

#include "skin/data/skin_settings.h"
#include "skin/engine/geometry/frame_layout.h"

namespace skin {

struct TFrameRegionInput {
  const TSkinSettings* Skin = nullptr;
  TFrameWidths Widths;
  int Width = 0;
  int Height = 0;
  bool Active = true;
  // A device context holding the composed title bar (Width x Widths.Title),
  // or nullptr: the top piece is then rendered afresh.
  HDC TitleBar = nullptr;
};

// Whether the skin's borders cut the window's outline at all.
bool FrameHasTransparentBorders(const TSkinSettings& skin);
// A new region the caller owns (the whole window when the borders are opaque).
HRGN BuildFrameRegion(const TFrameRegionInput& input);

}  // namespace skin
