#include "skin/engine/geometry/frame_layout.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

TDataSkinSysButton Button(int action, int visibility, int visibility1, int align = 1, int x = 0) {
  TDataSkinSysButton button;
  button.Action = action;
  button.Visibility = visibility;
  button.Visibility1 = visibility1;
  button.Align = align;
  button.XCoord = x;
  button.YCoord = 4;
  return button;
}

TEST(FrameLayoutTest, StylesGiveTheFrameKindTheButtonsAndTheShowState) {
  using namespace framestyle;
  EXPECT_EQ(BorderKindOf(kPopup, 0), TBorderKind::None);
  EXPECT_EQ(BorderKindOf(kPopup | kCaption, 0), TBorderKind::Plain);
  EXPECT_EQ(BorderKindOf(kPopup | kCaption | kThickFrame, 0), TBorderKind::Edged);
  EXPECT_EQ(BorderKindOf(kCaption, kExWindowEdge), TBorderKind::Edged);
  EXPECT_EQ(ShowStateOf(6), TShowState::Minimized);
  EXPECT_EQ(ShowStateOf(7), TShowState::Minimized);
  EXPECT_EQ(ShowStateOf(3), TShowState::Maximized);
  EXPECT_EQ(ShowStateOf(1), TShowState::Normal);
  const TAllowedButtons allowed = AllowedButtonsOf(kMinimizeBox, false);
  EXPECT_TRUE(allowed.Minimize);
  EXPECT_FALSE(allowed.Maximize);
  EXPECT_FALSE(allowed.SystemMenu);
  EXPECT_EQ(WithSystemStyles(kCaption | kSystemMenu | kMinimizeBox, false, allowed), kCaption);
  EXPECT_EQ(WithSystemStyles(kCaption, true, allowed), kCaption | kMinimizeBox);
}

TEST(FrameLayoutTest, BorderWidthsAreOneCellAndAPictureWithoutFramesCountsAsOne) {
  TSkinSettings skin;
  skin.LeftBorder.Bitmap = TSkinBitmap(8, 40);
  skin.LeftBorder.FrameCount = 2;
  skin.TopBorder.Bitmap = TSkinBitmap(60, 60);
  skin.TopBorder.FrameCount = 2;
  skin.RightBorder.Bitmap = TSkinBitmap(5, 40);
  skin.RightBorder.FrameCount = 0;
  skin.BottomBorder.Bitmap = TSkinBitmap(4, 16384);  // no border wider than the window can show
  const TFrameWidths widths = FrameWidthsOf(skin);
  EXPECT_EQ(widths.Left, 4);
  EXPECT_EQ(widths.Title, 30);
  EXPECT_EQ(widths.Right, 5);
  EXPECT_EQ(widths.Bottom, kMaxBorderWidth);
  EXPECT_EQ(BorderFrame(false, 2), 2);
  EXPECT_EQ(BorderFrame(false, 1), 1);
  EXPECT_EQ(IdleCaptionButtonFrame(false, 3), 1);
  EXPECT_EQ(IdleCaptionButtonFrame(false, 4), 4);
}

TEST(FrameLayoutTest, CaptionButtonsShowByTheirRulesAndTheWindowsButtons) {
  TCaptionState state;
  state.BorderKind = TBorderKind::Edged;
  state.Allowed = TAllowedButtons{true, true, true};
  EXPECT_TRUE(IsCaptionButtonVisible(Button(0, 0, 0), state));
  // Close needs the system menu; a plain frame shows no rule-0 button at all.
  state.Allowed.SystemMenu = false;
  EXPECT_FALSE(IsCaptionButtonVisible(Button(0, 0, 0), state));
  EXPECT_TRUE(IsCaptionButtonVisible(Button(0, 3, 0), state));
  state.Allowed.SystemMenu = true;
  state.BorderKind = TBorderKind::Plain;
  EXPECT_FALSE(IsCaptionButtonVisible(Button(0, 0, 0), state));
  state.BorderKind = TBorderKind::Edged;
  // Maximise while normal, restore while maximised; hover links (-1) and unknown rules never.
  EXPECT_TRUE(IsCaptionButtonVisible(Button(1, 6, 2), state));
  state.ShowState = TShowState::Maximized;
  EXPECT_FALSE(IsCaptionButtonVisible(Button(1, 6, 2), state));
  EXPECT_TRUE(IsCaptionButtonVisible(Button(1, 6, 1), state));
  EXPECT_FALSE(IsCaptionButtonVisible(Button(5, -1, 0), state));
  EXPECT_FALSE(IsCaptionButtonVisible(Button(5, 5, 0), state));
  EXPECT_TRUE(IsCaptionButtonVisible(Button(5, 200, 2000), state));
  // A maximise button disappears with the maximise box whatever its rules say.
  state.Allowed.Maximize = false;
  EXPECT_FALSE(IsCaptionButtonVisible(Button(1, 200, 200), state));
  // The MDI buttons show with a maximised child and a menu bar.
  EXPECT_FALSE(IsCaptionButtonVisible(Button(7, 100, 100), state));
  state.MdiChildMaximized = true;
  state.MenuBarHeight = 20;
  EXPECT_TRUE(IsCaptionButtonVisible(Button(7, 100, 100), state));
}

TEST(FrameLayoutTest, CaptionButtonsArePlacedByTheirAlignment) {
  TCaptionPlacement placement;
  placement.WindowWidth = 400;
  placement.Widths = TFrameWidths{4, 30, 4, 4};
  placement.TitleTextBox = TPixelRect{30, 5, 130, 25};
  int rightButtonsLeft = 0;
  EXPECT_EQ(CaptionButtonBounds(Button(0, 0, 0, 1, 27), 21, 21, placement, rightButtonsLeft),
            (TPixelRect{373, 4, 394, 25}));
  CaptionButtonBounds(Button(1, 0, 0, 1, 50), 21, 21, placement, rightButtonsLeft);
  EXPECT_EQ(rightButtonsLeft, 373);
  EXPECT_EQ(CaptionButtonBounds(Button(3, 0, 0, 2, 2), 16, 16, placement, rightButtonsLeft).Left, 30 - 16 - 2);
  EXPECT_EQ(CaptionButtonBounds(Button(3, 0, 0, 9, 2), 16, 16, placement, rightButtonsLeft).Left, 132);
  EXPECT_EQ(CaptionButtonBounds(Button(3, 0, 0, 0, 6), 16, 16, placement, rightButtonsLeft).Left, 6);
  EXPECT_EQ(CaptionButtonBounds(Button(3, 0, 0, 42, 6), 16, 16, placement, rightButtonsLeft),
            (TPixelRect{0, 0, 16, 16}));
}

TEST(FrameLayoutTest, TitleTextIsShiftedCentredOrRightAlignedAndClipped) {
  TDataSkinTitle title;
  title.LeftWidth = 24;   // text shift
  title.TopHeight = 4;    // vertical shift
  title.RightWidth = 71;  // right clip
  title.TextBackLeft = 7;
  title.TextBackRight = 7;
  TTitleTextInput input{TPixelRect{4, 0, 396, 30}, 100, 14};
  EXPECT_EQ(TitleTextBoxOf(title, input), (TPixelRect{28, 10, 142, 24}));
  title.TextAlignment = 1;
  EXPECT_EQ(TitleTextBoxOf(title, input).Left, 4 + (392 - 114) / 2);
  // A caption wider than the title starts left of it and is clipped on the right.
  input.TextWidth = 500;
  const TPixelRect wide = TitleTextBoxOf(title, input);
  EXPECT_EQ(wide.Left, 4 + (392 - 514) / 2);
  EXPECT_EQ(wide.Right, 396 - 71);
  title.TextAlignment = 2;
  input.TextWidth = 100;
  EXPECT_EQ(TitleTextBoxOf(title, input).Left, 4 + 392 - 71 - 114);
  EXPECT_EQ(FrameHitAt(3, 30), TFrameHit::Nowhere);
  EXPECT_EQ(FrameHitAt(30, 30), TFrameHit::Caption);
  EXPECT_EQ(FrameHitAt(31, 30), TFrameHit::MenuBar);
}

}  // namespace
}  // namespace skin
