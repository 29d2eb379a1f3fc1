// The scroll-bar skinners on a real library form under Wine: a memo's
// non-client bars and scroll-bar controls of their own, attached by the frame
// skinner's control walk, pressed and dragged with real mouse input while the
// system tracks it, their looks read back from the pixels they paint. The
// test skin's pictures are solid colours, one per frame.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "bmp_builder.h"
#include "painted_face.h"
#include "skin/data/skin_archive_writer.h"
#include "skin/data/skin_stream.h"
#include "skin/engine/controls/skin_scroll_bar.h"
#include "skin/engine/controls/skin_sizer.h"
#include "skin/engine/frame/form_skinner_factory.h"
#include "skin/engine/skin_manage.h"
#include "skin/engine/win32/skin_messages.h"
#include "skinned_form_fixture.h"
#include "ui/controls/memo.h"
#include "ui/controls/scroll_bar.h"

namespace skin {
namespace {

// Frame `frame` (from 1) of each picture has its own colour; the thumb's
// ridges (arrow-strip frames 17 to 22) are the key colour, so the thumb
// shows whole.
COLORREF StripColour(int frame) { return frame >= 17 && frame <= 22 ? RGB(255, 0, 255) : RGB(10 * frame, 60, 200); }
COLORREF TrackColour(int frame) { return RGB(200, 40 * frame, 60); }
COLORREF ThumbColour(int frame) { return RGB(60, 200, 40 * frame); }

TSkinEntry Strip(const char* name, int frames, int width, int height, COLORREF (*colour)(int frame)) {
  return {name, skintest::Bmp24(width * frames, height, [&](int x, int) { return colour(x / width + 1); })};
}

// With `scrollPictures` false the skin has none of the scroll-bar pictures.
std::vector<std::uint8_t> TestSkin(bool scrollPictures = true) {
  const std::string ini =
      "[TitlebarSkin]\r\nSkinName=Test\r\n[Colours]\r\nButtonFace=200 200 200\r\n"
      "[Scrollbar]\r\nImage=strip.bmp\r\n[HorzScroll]\r\nImage=track_h.bmp\r\n[VertScroll]\r\nImage=track_v.bmp\r\n"
      "[HorzScrollThumb]\r\nImage=thumb_h.bmp\r\nFrameCount=3\r\n[VertScrollThumb]\r\nImage=thumb_v.bmp\r\n"
      "FrameCount=3\r\n";
  if (!scrollPictures) {
    const std::string colours = ini.substr(0, ini.find("[Scrollbar]"));
    return WriteSkinStream(
        ComposeSkinArchive({{"test.ini", std::vector<std::uint8_t>(colours.begin(), colours.end())}}));
  }
  return WriteSkinStream(ComposeSkinArchive({
      Strip("strip.bmp", 23, 17, 17, StripColour),
      Strip("track_h.bmp", 4, 17, 17, TrackColour),
      Strip("track_v.bmp", 4, 17, 17, TrackColour),
      Strip("thumb_h.bmp", 3, 24, 17, ThumbColour),
      Strip("thumb_v.bmp", 3, 17, 24, ThumbColour),
      {"test.ini", std::vector<std::uint8_t>(ini.begin(), ini.end())},
  }));
}

// A pixel of the window, frame included, as drawn.
COLORREF WindowPixel(HWND window, int x, int y) {
  HDC dc = GetWindowDC(window);
  const COLORREF pixel = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return pixel;
}

void SendMouse(DWORD flags, POINT screen = {}) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  if (flags & MOUSEEVENTF_ABSOLUTE) {
    input.mi.dx = (screen.x * 65536 + 32768) / GetSystemMetrics(SM_CXSCREEN);
    input.mi.dy = (screen.y * 65536 + 32768) / GetSystemMetrics(SM_CYSCREEN);
  }
  SendInput(1, &input, sizeof(input));
}

void Pump(std::chrono::milliseconds time) {
  const auto end = std::chrono::steady_clock::now() + time;
  while (std::chrono::steady_clock::now() < end) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

// The steps a press runs while the system's tracking loop holds the thread:
// one on each tick of a thread timer, which the loop hands on.
struct TPressScript {
  std::vector<std::function<void()>> Steps;
  std::size_t Next = 0;
  bool Released = false;
};
TPressScript* runningScript = nullptr;

void CALLBACK RunStep(HWND, UINT, UINT_PTR timer, DWORD) {
  TPressScript& script = *runningScript;
  if (script.Next < script.Steps.size()) return script.Steps[script.Next++]();
  KillTimer(nullptr, timer);
  if (!std::exchange(script.Released, true)) SendMouse(MOUSEEVENTF_LEFTUP);
}

// Presses the left button at a point of the screen, runs the steps 60 ms
// apart while it is held, then lets go and waits for the system to finish.
void PressAndRun(POINT screen, std::vector<std::function<void()>> steps) {
  TPressScript script{std::move(steps)};
  runningScript = &script;
  SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen);
  Pump(std::chrono::milliseconds(50));
  SetTimer(nullptr, 0, 60, RunStep);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!script.Released && std::chrono::steady_clock::now() < end) Pump(std::chrono::milliseconds(20));
  Pump(std::chrono::milliseconds(100));
  runningScript = nullptr;
}

SCROLLBARINFO BarInfo(HWND window, LONG object) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  GetScrollBarInfo(window, object, &info);
  return info;
}

// A point of a window in screen coordinates, from window coordinates.
POINT OnWindow(HWND window, int x, int y) {
  RECT frame{};
  GetWindowRect(window, &frame);
  return {frame.left + x, frame.top + y};
}

class ScrollBarSkinTest : public SkinnedFormTest {
 protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    form->SetBounds(200, 200, 420, 300);
    memo = Place(new ui::TMemo(form.get()), 10, 10, 160, 140);
    memo->SetWordWrap(false);
    memo->SetScrollBars(ui::TScrollStyle::ssBoth);
    std::string text;
    for (int line = 0; line < 80; ++line) text += "line " + std::to_string(line) + std::string(60, 'x') + "\r\n";
    memo->SetText(text);
    bar = Place(new ui::TScrollBar(form.get()), 200, 10, 170, 17);
    bar->SetRange(0, 100);
    bar->SetPageSize(10);
    upright = Place(new ui::TScrollBar(form.get()), 390, 10, 17, 200);
    upright->SetOrientation(ui::TOrientation::Vertical);
    upright->SetRange(0, 100);
    ShowForm();
  }

  void Skin() {
    data->ReadSkinStream(TestSkin());
    ASSERT_FALSE(data->SkinEmpty());
    AttachFrameSkinner();
  }
  TSkinScrollBar* SkinnerOf(HWND window) const {
    return dynamic_cast<TSkinScrollBar*>(skinner->ControlSkinners().FindByWindow(window));
  }
  // The memo's vertical bar in window coordinates.
  RECT VerticalBar() const {
    SCROLLBARINFO info = BarInfo(memo->Handle(), OBJID_VSCROLL);
    RECT frame{};
    GetWindowRect(memo->Handle(), &frame);
    OffsetRect(&info.rcScrollBar, -frame.left, -frame.top);
    return info.rcScrollBar;
  }
  // The system's thumb of a scroll-bar control: its start and end along the bar.
  static std::pair<int, int> SystemThumb(HWND window, LONG object) {
    const SCROLLBARINFO info = BarInfo(window, object);
    return {info.xyThumbTop, info.xyThumbBottom};
  }

  ui::TMemo* memo = nullptr;
  ui::TScrollBar* bar = nullptr;
  ui::TScrollBar* upright = nullptr;
};

TEST_F(ScrollBarSkinTest, ABarOfItsOwnShowsEachPartsStateWhereTheSystemHasIt) {
  Skin();
  TSkinScrollBar* barSkinner = SkinnerOf(bar->Handle());
  ASSERT_NE(barSkinner, nullptr);
  EXPECT_TRUE(barSkinner->IsBarControl());
  EXPECT_EQ(barSkinner->Mode(), TScrollBarMode::SystemScrolled);
  ASSERT_NE(SkinnerOf(memo->Handle()), nullptr);
  EXPECT_FALSE(SkinnerOf(memo->Handle())->IsBarControl());

  // Left and right arrows, the thumb where the system hit-tests it, the track.
  for (int position : {0, 45, 91}) {
    bar->SetPosition(position);
    const auto [start, end] = SystemThumb(bar->Handle(), OBJID_CLIENT);
    const auto face = PaintedFace(bar->Handle());
    EXPECT_EQ(face->Pixel(8, 8), StripColour(9));
    EXPECT_EQ(face->Pixel(161, 8), StripColour(13));
    const RECT thumb = face->Bounds(ThumbColour(1), RECT{0, 0, 170, 17});
    EXPECT_EQ(thumb.left, start) << position;
    EXPECT_EQ(thumb.right, end) << position;
    EXPECT_EQ(face->Pixel(start == 17 ? end + 2 : 19, 8), TrackColour(1));
  }

  // The arrow under the mouse is hot, and only it.
  MoveOnto(bar->Handle(), 161, 8);
  auto face = PaintedFace(bar->Handle());
  EXPECT_EQ(face->Pixel(161, 8), StripColour(16));
  EXPECT_EQ(face->Pixel(8, 8), StripColour(9));

  // An arrow the program disabled, then the whole control.
  EnableScrollBar(bar->Handle(), SB_CTL, ESB_DISABLE_LTUP);
  face = PaintedFace(bar->Handle());
  EXPECT_EQ(face->Pixel(8, 8), StripColour(11));
  EXPECT_EQ(face->Pixel(161, 8), StripColour(16));
  EnableScrollBar(bar->Handle(), SB_CTL, ESB_ENABLE_BOTH);
  bar->SetEnabled(false);
  face = PaintedFace(bar->Handle());
  EXPECT_EQ(face->Pixel(8, 8), StripColour(11));
  EXPECT_EQ(face->Pixel(161, 8), StripColour(15));
  EXPECT_EQ(face->Pixel(100, 2), TrackColour(3));

  // The memo's bars go on its frame, the box between them on the skin's face.
  const RECT vertical = VerticalBar();
  EXPECT_EQ(WindowPixel(memo->Handle(), vertical.left + 8, vertical.top + 8), StripColour(1));
  EXPECT_EQ(WindowPixel(memo->Handle(), vertical.left + 8, vertical.bottom - 8), StripColour(5));
  EXPECT_EQ(WindowPixel(memo->Handle(), vertical.left + 8, vertical.bottom + 8), RGB(200, 200, 200));
}

TEST_F(ScrollBarSkinTest, AHeldArrowRepeatsShowingPressedAndADraggedThumbFollowsTheMouse) {
  Skin();
  // Held on the down arrow of the upright bar: pressed while held, and the
  // system's repeat steps the position more than once.
  COLORREF held = 0;
  PressAndRun(OnWindow(upright->Handle(), 8, 192),
              {[] {}, [] {}, [] {}, [] {}, [] {}, [] {}, [&] { held = WindowPixel(upright->Handle(), 8, 192); }});
  EXPECT_EQ(held, StripColour(6));
  EXPECT_GT(upright->Position(), 2);
  EXPECT_EQ(WindowPixel(upright->Handle(), 8, 192), StripColour(8)) << "hot once let go";

  // The memo's thumb dragged down by 40 pixels: pressed under the mouse at
  // every step, the memo scrolled with it, the track left behind.
  const RECT vertical = VerticalBar();
  const int x = vertical.left + 8, top = vertical.top + 17;
  std::vector<COLORREF> underMouse;
  std::vector<int> firstLines;
  std::vector<std::function<void()>> steps;
  for (int step = 1; step <= 4; ++step) {
    steps.push_back([&, step] {
      SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, OnWindow(memo->Handle(), x, top + 3 + 10 * step));
    });
    steps.push_back([&, step] {
      underMouse.push_back(WindowPixel(memo->Handle(), x, top + 3 + 10 * step));
      firstLines.push_back(static_cast<int>(SendMessageW(memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0)));
    });
  }
  steps.push_back([&] { underMouse.push_back(WindowPixel(memo->Handle(), x, top + 1)); });
  PressAndRun(OnWindow(memo->Handle(), x, top + 3), std::move(steps));
  ASSERT_EQ(underMouse.size(), 5u);
  for (int step = 0; step < 4; ++step) EXPECT_EQ(underMouse[step], ThumbColour(2)) << step;
  EXPECT_EQ(underMouse[4], TrackColour(1)) << "the track where the thumb was";
  ASSERT_EQ(firstLines.size(), 4u);
  EXPECT_GT(firstLines[0], 0);
  EXPECT_LT(firstLines[0], firstLines[3]);
  EXPECT_EQ(WindowPixel(memo->Handle(), x, top + 43), ThumbColour(3)) << "hot under the mouse once let go";
}

// The same clicks and drags on the memo's bars before and after skinning
// leave it scrolled to the same places.
TEST_F(ScrollBarSkinTest, TheMemoScrollsExactlyAsWithoutTheSkin) {
  const auto play = [this] {
    SendMessageW(memo->Handle(), WM_VSCROLL, SB_TOP, 0);
    SendMessageW(memo->Handle(), WM_HSCROLL, SB_TOP, 0);
    const RECT vertical = VerticalBar();
    const int x = vertical.left + 8;
    std::vector<int> positions;
    const auto record = [&] {
      positions.push_back(GetScrollPos(memo->Handle(), SB_VERT));
      positions.push_back(GetScrollPos(memo->Handle(), SB_HORZ));
    };
    for (int click = 0; click < 3; ++click) {
      PressAndRun(OnWindow(memo->Handle(), x, vertical.bottom - 8), {});
      record();
    }
    PressAndRun(OnWindow(memo->Handle(), x, vertical.bottom - 25), {});
    record();
    // The thumb dragged 30 pixels down.
    const int thumb = vertical.top + BarInfo(memo->Handle(), OBJID_VSCROLL).xyThumbTop + 3;
    PressAndRun(
        OnWindow(memo->Handle(), x, thumb),
        {[&] { SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, OnWindow(memo->Handle(), x, thumb + 30)); }, [] {}});
    record();
    // The horizontal bar's track right of its thumb.
    PressAndRun(OnWindow(memo->Handle(), vertical.left - 30, vertical.bottom + 8), {});
    record();
    return positions;
  };
  const std::vector<int> plain = play();
  Skin();
  EXPECT_EQ(play(), plain);
  EXPECT_GT(plain[0], 0);
}

TEST_F(ScrollBarSkinTest, ABareWindowsSizeGripAndBarGetTheSizerAndAMissingPictureLeavesBarsToTheSystem) {
  data->ReadSkinStream(TestSkin());
  const HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 600, 200, 300, 200, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
  const auto child = [&](DWORD style, int x, int y, int width, int height) {
    return CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | style, x, y, width, height, window, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  };
  const HWND grip = child(SBS_SIZEGRIP, 260, 160, 30, 30);
  const HWND across = child(SBS_HORZ, 10, 10, 150, 17);
  std::unique_ptr<TFormSkinner> bare = CreateFormSkinner(window, nullptr, *data, *SkinManager());
  ASSERT_NE(bare, nullptr);
  SendMessageW(window, SKM_ATTACHED, 0, kAttachedTag);
  auto& skinners = static_cast<TWinSkinForm&>(*bare).ControlSkinners();
  ASSERT_NE(dynamic_cast<TSkinSizer*>(skinners.FindByWindow(grip)), nullptr);
  ASSERT_NE(dynamic_cast<TSkinSizer*>(skinners.FindByWindow(across)), nullptr);
  // The grip keeps its picture's size in the bottom-right corner, on the face.
  auto face = PaintedFace(grip);
  EXPECT_EQ(face->Pixel(29, 29), StripColour(23));
  EXPECT_EQ(face->Pixel(13, 13), StripColour(23));
  EXPECT_EQ(face->Pixel(12, 12), RGB(200, 200, 200));
  EXPECT_EQ(PaintedFace(across)->Pixel(8, 8), StripColour(9)) << "a bar is skinned as any bar";

  // A skin without the pictures: the system draws bars and grip again.
  data->ReadSkinStream(TestSkin(false));
  face = PaintedFace(across);
  EXPECT_EQ(face->CountOf(StripColour(9), RECT{0, 0, 17, 17}), 0);
  EXPECT_EQ(face->CountOf(TrackColour(1), RECT{0, 0, 150, 17}), 0);
  EXPECT_EQ(PaintedFace(grip)->CountOf(StripColour(23), RECT{0, 0, 30, 30}), 0);
  bare.reset();
  DestroyWindow(window);
}

}  // namespace
}  // namespace skin
