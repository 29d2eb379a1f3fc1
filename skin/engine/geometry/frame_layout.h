#pragma once
// The decisions of a skinned window frame that need no window: which kind of
// frame a window style asks for, how wide the skin's borders are, which
// caption buttons show and where, where the caption text goes, and what a
// point of the frame hits. The frame skinner feeds them its window's state.

#include <cstdint>

#include "skin/data/skin_elements.h"
#include "skin/data/skin_settings.h"
#include "skin/engine/geometry/pixel_rect.h"

namespace skin {

// Window style bits the frame decisions read (the platform's values).
namespace framestyle {
constexpr std::uint32_t kPopup = 0x80000000u;
constexpr std::uint32_t kCaption = 0x00C00000u;
constexpr std::uint32_t kSystemMenu = 0x00080000u;
constexpr std::uint32_t kThickFrame = 0x00040000u;
constexpr std::uint32_t kMinimizeBox = 0x00020000u;
constexpr std::uint32_t kMaximizeBox = 0x00010000u;
constexpr std::uint32_t kExWindowEdge = 0x00000100u;
constexpr std::uint32_t kExLeftScrollBar = 0x00004000u;
constexpr std::uint32_t kExMdiChild = 0x00000040u;
}  // namespace framestyle

// What a caption button does, by the Action of its record.
namespace captionaction {
constexpr int kClose = 0;
constexpr int kMaximize = 1;
constexpr int kMinimize = 2;
constexpr int kSystemMenu = 3;
constexpr int kMdiMinimize = 7;
constexpr int kMdiRestore = 8;
constexpr int kMdiClose = 9;
constexpr int kSystemMenuIcon = 11;
constexpr int kSystemMenuOther = 12;
constexpr int kMaximizeOther = 22;
constexpr int kMinimizeOther = 23;
constexpr int kMdiMinimizeOther = 60;
constexpr int kMdiRestoreOther = 61;
constexpr int kMdiCloseOther = 62;
}  // namespace captionaction

// The visibility rule of the buttons an MDI frame shows on its menu bar
// while its active child is maximised.
inline constexpr int kVisibleWithMdiMenuBar = 100;

// Whether the button shows the window's icon (the system-menu buttons).
inline bool ShowsWindowIcon(const TDataSkinSysButton& button) {
  return button.Action == captionaction::kSystemMenu || button.Action == captionaction::kSystemMenuIcon;
}

// Edged: sizeable or with a raised edge; None: a popup without a caption
// (nothing is painted); Plain: any other framed window.
enum class TBorderKind : std::uint8_t { Edged = 0, None = 2, Plain = 3 };
enum class TShowState : std::uint8_t { Normal = 0, Maximized = 1, Minimized = 2 };

// The caption buttons a window's style allows.
struct TAllowedButtons {
  bool Maximize = false;
  bool Minimize = false;
  bool SystemMenu = false;
};

TBorderKind BorderKindOf(std::uint32_t style, std::uint32_t exStyle);
// From a window placement's show command.
TShowState ShowStateOf(unsigned showCommand);
TAllowedButtons AllowedButtonsOf(std::uint32_t style, bool hasSystemMenu);
// The style with the system menu and the minimise and maximise boxes put back
// as far as they were allowed (on), or all three taken away (off).
std::uint32_t WithSystemStyles(std::uint32_t style, bool on, TAllowedButtons allowed);

// The width of each border: one cell of its picture (left and right cells lie
// side by side, top and bottom cells stacked), at most kMaxBorderWidth so that
// a window of huge border pictures keeps its client area on the screen. A
// picture of no frames counts as one frame.
inline constexpr int kMaxBorderWidth = 256;
struct TFrameWidths {
  int Left = 0;
  int Title = 0;
  int Right = 0;
  int Bottom = 0;
};
TFrameWidths FrameWidthsOf(const TSkinSettings& skin);

// Which cell of a border picture paints the border (1 active, 2 inactive).
int BorderFrame(bool active, int frameCount);
// Which cell paints an idle caption button: 4 when inactive and the picture
// has an inactive cell, else 1.
int IdleCaptionButtonFrame(bool active, int frameCount);

// What the caption-button rules look at.
struct TCaptionState {
  TBorderKind BorderKind = TBorderKind::Plain;
  TAllowedButtons Allowed;
  TShowState ShowState = TShowState::Normal;
  bool Active = true;
  // An MDI frame whose active child is maximised.
  bool MdiChildMaximized = false;
  int MenuBarHeight = 0;
};
bool IsCaptionButtonVisible(const TDataSkinSysButton& button, const TCaptionState& state);

// Where caption buttons are placed.
struct TCaptionPlacement {
  int WindowWidth = 0;
  TFrameWidths Widths;
  int MenuBarHeight = 0;
  // The menu-bar element's left end length (0 without one).
  int MenuBarLeftWidth = 0;
  bool RightToLeft = false;
  TPixelRect TitleTextBox;
};
// The button's bounds for a picture cell of this size; a right-aligned
// button raises `rightButtonsLeft` to its left edge.
TPixelRect CaptionButtonBounds(const TDataSkinSysButton& button, int cellWidth, int cellHeight,
                               const TCaptionPlacement& placement, int& rightButtonsLeft);

// Where the caption text goes in the title rectangle `title`, given its
// measured size (which already holds the text background's two ends).
struct TTitleTextInput {
  TPixelRect Title;
  int TextWidth = 0;
  int TextHeight = 0;
  bool RightToLeft = false;
  bool Popup = false;
  int RightButtonsLeft = 0;
};
TPixelRect TitleTextBoxOf(const TDataSkinTitle& title, const TTitleTextInput& input);

// What a point of the non-client area hits when the system found nothing:
// the top three rows nothing, then the caption, below the title the menu bar.
enum class TFrameHit { Nowhere, Caption, MenuBar };
TFrameHit FrameHitAt(int frameY, int titleHeight);

inline bool Contains(const TPixelRect& rect, int x, int y) {
  return x >= rect.Left && x < rect.Right && y >= rect.Top && y < rect.Bottom;
}

}  // namespace skin
