#include "skin/engine/geometry/frame_layout.h"

#include <algorithm>

namespace skin {
namespace {

// Show commands of a window placement.
constexpr unsigned kShowMinimized = 2;
constexpr unsigned kShowMaximized = 3;
constexpr unsigned kShowMinNoActive = 7;
constexpr unsigned kMinimize = 6;

int BorderWidth(int pictureSize, int frameCount) {
  return std::min(pictureSize / std::max(frameCount, 1), kMaxBorderWidth);
}

// One visibility rule: `full` is the stricter first form (the one in
// Visibility), which also asks for the system menu where the button needs it.
bool RuleHolds(int rule, const TDataSkinSysButton& button, const TCaptionState& state, bool full) {
  const bool maximized = state.ShowState == TShowState::Maximized;
  const bool systemMenu = !full || state.Allowed.SystemMenu;
  switch (rule) {
    case 0:
      return !full ||
             (state.BorderKind != TBorderKind::Plain && (button.Action != captionaction::kClose || systemMenu));
    case 1:
      return maximized;
    case 2:
      return !maximized;
    case 3:
      return state.Active;
    case 4:
      return !state.Active;
    case 6:
      return state.Allowed.Maximize && systemMenu;
    case 7:
      return !state.Allowed.Maximize;
    case 8:
      return state.Allowed.Minimize && systemMenu;
    case 9:
      return !state.Allowed.Minimize;
    case kVisibleWithMdiMenuBar:
      return state.MdiChildMaximized && state.MenuBarHeight > 0;
    default:
      return rule >= 200 && rule <= 2000;
  }
}

}  // namespace

TBorderKind BorderKindOf(std::uint32_t style, std::uint32_t exStyle) {
  if ((style & framestyle::kPopup) && (style & framestyle::kCaption) != framestyle::kCaption) return TBorderKind::None;
  if ((exStyle & framestyle::kExWindowEdge) || (style & framestyle::kThickFrame)) return TBorderKind::Edged;
  return TBorderKind::Plain;
}

TShowState ShowStateOf(unsigned showCommand) {
  switch (showCommand) {
    case kShowMinimized:
    case kMinimize:
    case kShowMinNoActive:
      return TShowState::Minimized;
    case kShowMaximized:
      return TShowState::Maximized;
    default:
      return TShowState::Normal;
  }
}

TAllowedButtons AllowedButtonsOf(std::uint32_t style, bool hasSystemMenu) {
  return TAllowedButtons{(style & framestyle::kMaximizeBox) != 0, (style & framestyle::kMinimizeBox) != 0,
                         (style & framestyle::kSystemMenu) != 0 || hasSystemMenu};
}

std::uint32_t WithSystemStyles(std::uint32_t style, bool on, TAllowedButtons allowed) {
  if (!on) return style & ~(framestyle::kSystemMenu | framestyle::kMinimizeBox | framestyle::kMaximizeBox);
  if (allowed.SystemMenu) style |= framestyle::kSystemMenu;
  if (allowed.Minimize) style |= framestyle::kMinimizeBox;
  if (allowed.Maximize) style |= framestyle::kMaximizeBox;
  return style;
}

TFrameWidths FrameWidthsOf(const TSkinSettings& skin) {
  return TFrameWidths{BorderWidth(skin.LeftBorder.Bitmap.Width(), skin.LeftBorder.FrameCount),
                      BorderWidth(skin.TopBorder.Bitmap.Height(), skin.TopBorder.FrameCount),
                      BorderWidth(skin.RightBorder.Bitmap.Width(), skin.RightBorder.FrameCount),
                      BorderWidth(skin.BottomBorder.Bitmap.Height(), skin.BottomBorder.FrameCount)};
}

int BorderFrame(bool active, int frameCount) { return active || frameCount == 1 ? 1 : 2; }

int IdleCaptionButtonFrame(bool active, int frameCount) { return active || frameCount < 4 ? 1 : 4; }

bool IsCaptionButtonVisible(const TDataSkinSysButton& button, const TCaptionState& state) {
  const bool first = RuleHolds(button.Visibility, button, state, true);
  const bool second =
      button.Visibility1 == kVisibleWithMdiMenuBar ? first : RuleHolds(button.Visibility1, button, state, false);
  if (!first || !second) return false;
  if (button.Action == captionaction::kMaximize && !state.Allowed.Maximize) return false;
  return !(button.Action == captionaction::kMinimize && !state.Allowed.Minimize);
}

TPixelRect CaptionButtonBounds(const TDataSkinSysButton& button, int cellWidth, int cellHeight,
                               const TCaptionPlacement& placement, int& rightButtonsLeft) {
  int left = 0;
  int top = button.YCoord;
  switch (button.Align) {
    case 0:
      left = button.XCoord;
      break;
    case 1:
      left = placement.WindowWidth - button.XCoord;
      rightButtonsLeft = std::max(rightButtonsLeft, left);
      break;
    case 2:
    case 8:
      left = placement.TitleTextBox.Left - cellWidth - button.XCoord;
      break;
    case 3:
    case 9:
      left = placement.TitleTextBox.Right + button.XCoord;
      break;
    case kVisibleWithMdiMenuBar:
      left = placement.RightToLeft
                 ? placement.Widths.Left + button.XCoord + placement.MenuBarLeftWidth
                 : placement.WindowWidth - button.XCoord - placement.Widths.Right - placement.MenuBarLeftWidth;
      top = placement.Widths.Title + (placement.MenuBarHeight - cellHeight) / 2;
      break;
    default:
      top = 0;
      break;
  }
  return TPixelRect{left, top, left + cellWidth, top + cellHeight};
}

TPixelRect TitleTextBoxOf(const TDataSkinTitle& title, const TTitleTextInput& input) {
  const int width = input.TextWidth + title.TextBackLeft + title.TextBackRight;
  const int textShift = title.LeftWidth;
  const int textShiftVert = title.TopHeight;
  const int textRightClip = title.RightWidth;
  const int rightAligned = input.Title.Width() - textRightClip - width;
  int dx = 0;
  if (input.RightToLeft)
    dx = rightAligned;
  else if (title.TextAlignment == 0)
    dx = textShift;
  else if (title.TextAlignment == 1)
    dx = (input.Title.Width() - width) / 2;
  else if (title.TextAlignment == 2)
    dx = rightAligned;
  const int dy = (input.Title.Height() - input.TextHeight) / 2 + textShiftVert / 2;
  TPixelRect box{input.Title.Left + dx, input.Title.Top + dy, input.Title.Left + dx + width,
                 input.Title.Top + dy + input.TextHeight};
  if (!input.Popup)
    box.Right = std::min(box.Right, input.Title.Right - textRightClip);
  else
    box.Right = std::max(box.Right, input.RightButtonsLeft - 5);
  return box;
}

TFrameHit FrameHitAt(int frameY, int titleHeight) {
  if (frameY <= 3) return TFrameHit::Nowhere;
  return frameY > titleHeight ? TFrameHit::MenuBar : TFrameHit::Caption;
}

}  // namespace skin
