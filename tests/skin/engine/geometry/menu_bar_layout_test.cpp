#include "skin/engine/geometry/menu_bar_layout.h"

#include <gtest/gtest.h>

#include <climits>

namespace skin {
namespace {

TEST(MenuBarLayoutTest, ButtonsRunFromTheLeadingEdgeAndAnEmptyCaptionTakesNoRoom) {
  TMenuBarGeometry bar{300, 20, true, 3, 5, false};
  // Left to right: past the picture's left end and 4 pixels.
  std::vector<TPixelRect> buttons = LayoutMenuBarButtons(bar, {30, 0, 20});
  ASSERT_EQ(buttons.size(), 3u);
  EXPECT_EQ(buttons[0], (TPixelRect{7, 0, 47, 19}));
  EXPECT_TRUE(buttons[1].Empty());
  EXPECT_EQ(buttons[2], (TPixelRect{47, 0, 77, 19}));

  // Right to left: from the right end, past the picture's right end and 8 pixels.
  bar.RightToLeft = true;
  buttons = LayoutMenuBarButtons(bar, {30, 20});
  EXPECT_EQ(buttons[0], (TPixelRect{247, 0, 287, 19}));
  EXPECT_EQ(buttons[1], (TPixelRect{217, 0, 247, 19}));

  // Without a picture the first button stands 6 pixels in; a bar narrower
  // than the picture's end starts at 12.
  EXPECT_EQ(FirstButtonOffset(TMenuBarGeometry{300, 20, false, 3, 5, false}), 6);
  EXPECT_EQ(FirstButtonOffset(TMenuBarGeometry{10, 20, true, 20, 5, false}), 12);
  // An end of negative length starts at the lead; one of any length never overflows.
  EXPECT_EQ(FirstButtonOffset(TMenuBarGeometry{300, 20, true, -1000, 5, false}), 4);
  EXPECT_EQ(FirstButtonOffset(TMenuBarGeometry{300, 20, true, INT_MIN, INT_MAX, true}), 12);
  EXPECT_EQ(FirstButtonOffset(TMenuBarGeometry{300, 20, true, INT_MAX, 5, false}), 12);
}

TEST(MenuBarLayoutTest, TheAccessKeyFollowsTheSingleAmpersandInEitherCase) {
  EXPECT_EQ(MenuAccelerator(L"&File"), L'F');
  EXPECT_EQ(MenuAccelerator(L"Save && &quit"), L'Q');
  EXPECT_EQ(MenuAccelerator(L"Plain"), 0);
  EXPECT_EQ(MenuAccelerator(L"Trailing&"), 0);
  EXPECT_TRUE(IsMenuAccelerator(L"&Window", L'w'));
  EXPECT_TRUE(IsMenuAccelerator(L"&Window", L'W'));
  EXPECT_FALSE(IsMenuAccelerator(L"Window", 0));
  EXPECT_FALSE(IsMenuAccelerator(L"A&&B", L'B'));
}

}  // namespace
}  // namespace skin
