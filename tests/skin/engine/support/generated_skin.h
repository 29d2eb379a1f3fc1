#pragma once
// Skins made from scratch for the frame's tests: every setting the frame
// reads can be varied, and every piece has a colour of its own, so a screen
// pixel tells which piece of which state shows there.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace skin {

struct TSkinRecipe {
  std::string Name = "Generated";
  // Magenta corners cut from the side borders (Trans 1), else no magenta and Trans 0.
  bool TransparentBorders = true;
  // Border frames: 2 draws inactive windows from their own cells.
  int BorderFrames = 2;
  // Edges tiled (Stretch 0) rather than stretched.
  bool TiledEdges = false;
  // End lengths of every border: 0, the picture's, or more than the picture has.
  int BorderMargin = 4;
  // Align of the caption buttons: 0 from the left edge, 1 from the right, 2
  // before the caption text, 3 after it.
  int ButtonAlign = 1;
  // Visibility of the maximise button (0 always, 2 while not maximised, 6 while allowed, ...).
  int MaximizeVisibility = 0;
  // Cells of each caption button picture: 4 has an inactive one, fewer has none.
  int ButtonFrames = 4;
  int TitleAlignment = 0;
  // Leaves out the menu bar, the caption's text background, the MDI buttons
  // and the system-menu button.
  bool ElementsMissing = false;
  // Room the caption text leaves at the title's right end.
  int TextRightClip = 64;
};

// Sizes and colours of every generated skin.
namespace generatedskin {
inline constexpr int kSideWidth = 6;
inline constexpr int kTitleHeight = 26;
inline constexpr int kBottomHeight = 5;
inline constexpr int kButtonSize = 16;
inline constexpr int kButtonTop = (kTitleHeight - kButtonSize) / 2;
// Where each caption button stands along the title: XCoord of close, maximise, minimise.
inline constexpr int kButtonOffsets[3] = {22, 40, 58};
inline constexpr COLORREF kLeft = RGB(200, 40, 40);
inline constexpr COLORREF kRight = RGB(40, 200, 40);
inline constexpr COLORREF kTop = RGB(40, 40, 200);
inline constexpr COLORREF kBottom = RGB(200, 200, 40);
inline constexpr COLORREF kFace = RGB(220, 216, 200);
inline constexpr COLORREF kMenuBar = RGB(150, 150, 170);
inline constexpr COLORREF kTitleText = RGB(255, 255, 255);
inline constexpr COLORREF kTitleTextInactive = RGB(160, 160, 160);
// The caption's text background, active and inactive.
inline constexpr COLORREF kTextBack = RGB(90, 90, 230);
inline constexpr COLORREF kTextBackInactive = RGB(70, 70, 110);

// A border's colour in its inactive cell (the active cell when it has only one).
COLORREF InactiveShade(COLORREF active);
// The colour of caption button `index` (0 close, 1 maximise, 2 minimise) in cell `frame` (from 1).
COLORREF ButtonColour(int index, int frame);
}  // namespace generatedskin

// The skin archive, as a skin file holds it.
std::vector<std::uint8_t> GeneratedSkinArchive(const TSkinRecipe& recipe);
// The same as a stored SkinStream value (TSkinData::ReadSkinStream).
std::vector<std::uint8_t> GeneratedSkinStream(const TSkinRecipe& recipe);

}  // namespace skin
