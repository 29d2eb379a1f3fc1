#pragma once
// Element records of a loaded skin: for each skinned element its picture, how
// the picture is cut into margins and states, and its colours. A picture holds
// FrameCount equal states side by side (stacked for the top and bottom window
// borders).

#include <cstdint>
#include <string>

#include "colour/colour.h"
#include "skin/data/skin_bitmap.h"

namespace skin {

struct TDataSkinObject {
  std::int32_t LeftWidth = 0;
  std::int32_t TopHeight = 0;
  std::int32_t RightWidth = 0;
  std::int32_t BottomHeight = 0;
  TSkinBitmap Bitmap;
  std::int32_t Trans = 0;
  std::int32_t Tile = 0;  // for the four window borders: their "Stretch" value
  std::string Name;
  std::int32_t FrameCount = 0;
  std::int32_t Style = 0;
  std::int32_t NormalColour = 0;  // -1 when the skin gives none
  std::int32_t MouseOverColour = 0;
  std::int32_t PressedColour = 0;
  TColour NormalColour2 = 0;
  TColour MouseOverColour2 = 0;
  TColour PressedColour2 = 0;
};

// An element with a second picture (window borders, progress chunk, tab border,
// combo button mirrored, up-down glyphs).
struct TDataSkinBorder : TDataSkinObject {
  TSkinBitmap Bitmap2;
};

// Push buttons, with the check-box and radio-button glyphs.
struct TDataSkinButton : TDataSkinObject {
  TSkinBitmap CheckBitmap;
  TSkinBitmap RadioBitmap;
  std::int32_t RadioFrameCount = 0;
  std::int32_t CheckFrameCount = 0;
};

// The title bar. Its base fields carry: LeftWidth the text shift, TopHeight the
// vertical text shift, RightWidth the right text clip, Bitmap the text background.
struct TDataSkinTitle : TDataSkinObject {
  static constexpr TColour kNoTextColour = 0x1FFFFFFF;

  std::int32_t TextAlignment = 0;
  std::int32_t TextBackground = 0;
  std::int32_t FontHeight = 0;
  std::int32_t TextBackLeft = 0;
  std::int32_t TextBackRight = 0;
  TColour ActiveTextColour = kNoTextColour;
  TColour InactiveTextColour = kNoTextColour;
};

// One title-bar button; Action 7, 8 and 9 are the multiple-document buttons.
struct TDataSkinSysButton : TDataSkinObject {
  std::int32_t Action = 0;
  std::int32_t Align = 0;
  std::int32_t XCoord = 0;
  std::int32_t YCoord = 0;
  std::int32_t CombineOp = 0;
  std::int32_t Visibility = 0;
  std::int32_t Visibility1 = 0;
};

}  // namespace skin
