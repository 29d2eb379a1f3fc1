// rilvanta.exe as its user sees it once skinned: its buttons, speed buttons,
// search box border and month menu painted from the embedded skin, normal and
// under the mouse. The screen's pixels are compared with the skin's own
// pictures, read here from the archive the program embeds.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/data/archive_settings.h"
#include "skin/data/skin_reader.h"
#include "tests/window/real_input.h"
#include "tests/window/running_program.h"
#include "tests/window/screen_pixels.h"

namespace window_test {
namespace {

constexpr int kPushButtonFrames = 5;  // a push button's strip, whatever the skin says
constexpr int kNormal = 1, kHot = 4;  // frames of the button strip

skin::TSkinSettings EmbeddedSkin() {
  std::ifstream file(RILVANTA_DEFAULT_SKIN, std::ios::binary);
  const std::vector<std::uint8_t> archive{std::istreambuf_iterator<char>(file), {}};
  skin::TSkinReader reader;
  skin::TSkinSettings skin;
  if (!reader.LoadArchive(archive) || !skin::ReadArchiveSettings(skin, reader)) skin.SkinEmpty = true;
  return skin;
}

// The screen's pixels of a window.
class TScreenShot {
 public:
  explicit TScreenShot(HWND window) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    width_ = bounds.right - bounds.left;
    pixels_ = ScreenPixels(bounds);
  }

  // In the skin pictures' colour order: red in the low byte.
  TColour Pixel(int x, int y) const {
    const std::uint32_t rgb = pixels_.at(static_cast<std::size_t>(y) * width_ + x);
    return RgbColour((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
  }

 private:
  int width_ = 0;
  std::vector<std::uint32_t> pixels_;
};

// How many pixels of a control's two corner pieces (left-top and
// right-bottom margins) differ from the same pieces of a frame of the
// skin's button strip; transparent (magenta) pixels of the strip are not
// compared.
int CornerMismatches(const TScreenShot& shot, const RECT& control, const skin::TDataSkinObject& element, int frames,
                     int frame) {
  const int cellWidth = element.Bitmap.Width() / frames, cellLeft = cellWidth * (frame - 1);
  const int cellHeight = element.Bitmap.Height();
  const TColour magenta = RgbColour(255, 0, 255);
  int mismatches = 0;
  const auto compare = [&](int controlX, int controlY, int cellX, int cellY, int width, int height) {
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        const TColour wanted = element.Bitmap.Pixel(cellLeft + cellX + x, cellY + y);
        if (wanted != magenta && shot.Pixel(controlX + x, controlY + y) != wanted) ++mismatches;
      }
  };
  compare(control.left, control.top, 0, 0, element.LeftWidth, element.TopHeight);
  compare(control.right - element.RightWidth, control.bottom - element.BottomHeight, cellWidth - element.RightWidth,
          cellHeight - element.BottomHeight, element.RightWidth, element.BottomHeight);
  return mismatches;
}

POINT Middle(HWND window, const RECT& control) {
  POINT point{(control.left + control.right) / 2, (control.top + control.bottom) / 2};
  ClientToScreen(window, &point);
  return point;
}

struct TSkinnedButton {
  const char* Name;
  RECT Bounds;  // in the window, as the layout places it
  int Frames;   // of the skin's button strip
};

class SkinnedCalendar : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(skin.SkinEmpty);
    ASSERT_TRUE(program.Started());
    window = WaitForWindow([this] { return CalendarWindow(program.Id()); });
    ASSERT_NE(window, nullptr);
    real_input::MoveMouseTo(Middle(window, {130, 150, 130, 150}));  // over the grid, on no button
  }

  // Waits until the button's corners show that frame of the strip.
  bool Shows(const TSkinnedButton& button, int frame) const {
    return WaitFor(
        [&] { return CornerMismatches(TScreenShot(window), button.Bounds, skin.Buttons, button.Frames, frame) == 0; },
        std::chrono::seconds(10));
  }

  const skin::TSkinSettings skin = EmbeddedSkin();
  TProgram program;
  HWND window = nullptr;
};

TEST_F(SkinnedCalendar, EveryButtonShowsTheSkinsButtonStripNormalAndUnderTheMouse) {
  const int frames = std::max(1, skin.Buttons.FrameCount);
  const TSkinnedButton buttons[] = {
      {"Button1", {238, 283, 309, 308}, kPushButtonFrames},
      {"BitBtn1", {3, 256, 76, 281}, frames},
      {"BitBtn4", {79, 256, 156, 281}, frames},
      {"BitBtn2", {159, 256, 235, 281}, frames},
      {"BitBtn5", {238, 256, 309, 281}, frames},
      {"SpeedButton1", {51, 12, 63, 32}, frames},
      {"SpeedButton2", {196, 12, 208, 32}, frames},
  };
  for (const TSkinnedButton& button : buttons) EXPECT_TRUE(Shows(button, kNormal)) << button.Name;
  for (const TSkinnedButton& button : buttons) {
    real_input::MoveMouseTo(Middle(window, button.Bounds));
    EXPECT_TRUE(Shows(button, kHot)) << button.Name << " under the mouse";
  }
  real_input::MoveMouseTo(Middle(window, {130, 150, 130, 150}));
  EXPECT_TRUE(Shows(buttons[std::size(buttons) - 1], kNormal)) << "the last button once the mouse left";
}

TEST_F(SkinnedCalendar, TheSearchBoxHasTheSkinsShadowLineAroundAWhiteOne) {
  constexpr RECT kEdit{3, 283, 235, 308};
  const TColour shadow = skin.ButtonShadowColour, white = RgbColour(255, 255, 255);
  // The first pixel of the two lines that is not as it should be, or "".
  const auto fault = [&]() -> std::string {
    const TScreenShot shot(window);
    for (int y = kEdit.top; y < kEdit.bottom; ++y)
      for (int x = kEdit.left; x < kEdit.right; ++x) {
        const int ring = std::min({x - kEdit.left, y - kEdit.top, kEdit.right - 1 - x, kEdit.bottom - 1 - y});
        if (ring > 1) continue;
        if (shot.Pixel(x, y) != (ring == 0 ? shadow : white))
          return "at " + std::to_string(x) + ", " + std::to_string(y) + ": " + std::to_string(shot.Pixel(x, y));
      }
    return "";
  };
  WaitFor([&] { return fault().empty(); }, std::chrono::seconds(10));
  EXPECT_EQ(fault(), "");
}

// The month, year and settings menus are the calendar form's popup menus:
// each opens in a popup window framed by the skin's menu background.
TEST_F(SkinnedCalendar, EveryMenuWearsTheSkinsMenuBackgroundAsItsFrame) {
  ASSERT_TRUE(skin.MenuBackground);
  const struct {
    const char* Name;
    RECT Opener;
  } menus[] = {{"month", {51, 12, 63, 32}}, {"year", {196, 12, 208, 32}}, {"settings", {238, 256, 309, 281}}};
  for (const auto& menu : menus) {
    real_input::ClickAt(Middle(window, menu.Opener));
    const HWND popup = WaitForWindow([this]() -> HWND {
      for (HWND shown : TopLevelWindows(L"#32768", program.Id()))
        if (IsWindowVisible(shown)) return shown;
      return nullptr;
    });
    ASSERT_NE(popup, nullptr) << menu.Name;
    RECT bounds;
    GetWindowRect(popup, &bounds);
    const RECT whole{0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top};
    EXPECT_TRUE(WaitFor([&] { return CornerMismatches(TScreenShot(popup), whole, *skin.MenuBackground, 1, 1) == 0; },
                        std::chrono::seconds(10)))
        << menu.Name;
    // Keys after the echo of the click's pointer move, as a user's come.
    real_input::WaitForInputToRest();
    real_input::PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(popup); })) << menu.Name;
  }
}

}  // namespace
}  // namespace window_test
