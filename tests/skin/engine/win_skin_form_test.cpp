#include "skin/engine/win_skin_form.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "skin/component/skin_data.h"
#include "skin/engine/form_skinner_factory.h"
#include "skin/engine/frame_region.h"
#include "skin/engine/skin_manage.h"
#include "skin/engine/skin_messages.h"
#include "ui/colour.h"
#include "ui/form.h"

namespace skin {
namespace {

// What reached the window's own procedure behind the skinner.
struct TLogged {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
};
std::vector<TLogged> theLog;

bool IsLogged(UINT msg) {
  switch (msg) {
    case WM_CLOSE:
    case WM_SYSCOMMAND:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCMOUSEMOVE:
      return true;
    default:
      return false;
  }
}

// Records the messages the tests look for and keeps them from the system, so
// that no close, move loop or menu starts.
LRESULT CALLBACK RecordingProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (IsLogged(msg)) {
    theLog.push_back(TLogged{msg, wParam, lParam});
    return 0;
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}

const wchar_t* RecordingClass() {
  static const ATOM atom = [] {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = RecordingProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = L"FrameTestWindow";
    return RegisterClassW(&windowClass);
  }();
  return atom ? L"FrameTestWindow" : nullptr;
}

template <class Done>
void PumpMessagesUntil(Done done, DWORD limitMs = 3000) {
  const DWORD start = GetTickCount();
  do {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (done()) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  } while (GetTickCount() - start < limitMs);
}
void PumpMessagesFor(DWORD ms) {
  PumpMessagesUntil([] { return false; }, ms);
}

int CountLogged(UINT msg) {
  int count = 0;
  for (const TLogged& entry : theLog) count += entry.Msg == msg;
  return count;
}

SIZE SizeOf(const RECT& rect) { return SIZE{rect.right - rect.left, rect.bottom - rect.top}; }
RECT WindowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}
RECT ClientRect(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  return rect;
}

COLORREF ScreenPixel(int x, int y) {
  HDC screen = GetDC(nullptr);
  const COLORREF pixel = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return pixel;
}
COLORREF PictureColour(const TSkinBitmap& picture, int x, int y) {
  const TColour colour = picture.Pixel(x, y);
  return RGB(RedOf(colour), GreenOf(colour), BlueOf(colour));
}
constexpr COLORREF kMagenta = RGB(255, 0, 255);

LPARAM ScreenPoint(HWND window, int frameX, int frameY) {
  const RECT rect = WindowRect(window);
  return MAKELPARAM(rect.left + frameX, rect.top + frameY);
}

class WinSkinFormTest : public testing::Test {
 protected:
  void SetUp() override {
    FreeSkinManager();
    CreateSkinManager();
    data = std::make_unique<TSkinData>(nullptr);
    data->SetSkinFile(SkinFile());
    ASSERT_FALSE(data->SkinEmpty());
    theLog.clear();
  }
  void TearDown() override {
    skinner.reset();
    // Hiding, moving or destroying the active window costs Wine two seconds
    // without a window manager: the windows go behind the next test's and
    // end with the process.
    for (HWND window : windows) SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    FreeSkinManager();
  }

  virtual std::string SkinFile() const { return RILVANTA_DEFAULT_SKIN; }

  HWND NewWindow(DWORD style, int clientWidth = 400, int clientHeight = 300, int left = 100) {
    RECT rect{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&rect, style, FALSE, 0);
    HWND window = CreateWindowExW(0, RecordingClass(), L"Frame test", style, left, 100, rect.right - rect.left,
                                  rect.bottom - rect.top, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    windows.push_back(window);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    UpdateWindow(window);
    return window;
  }

  // Attaches a frame skinner as the manager does and lets it fit the window.
  TWinSkinForm& Skin(HWND window) {
    std::unique_ptr<TFormSkinner> made = CreateFormSkinner(window, nullptr, *data);
    skinner.reset(static_cast<TWinSkinForm*>(made.release()));
    SendMessageW(window, SKM_ATTACHED, 0, kAttachedTag);
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    PumpMessagesFor(50);
    theLog.clear();
    return *skinner;
  }

  const TWinSysButton* ButtonOfAction(int action) const {
    for (const auto& button : skinner->CaptionButtons())
      if (button->Record.Action == action && button->Visible) return button.get();
    return nullptr;
  }

  std::unique_ptr<TSkinData> data;
  std::unique_ptr<TWinSkinForm> skinner;
  std::vector<HWND> windows;
};

// The frame and its pixels, with each built-in skin: between them they have
// opaque and magenta-cut borders, stretched and tiled edges, two- and
// four-state caption buttons.
class WinSkinFormSkinsTest : public WinSkinFormTest, public testing::WithParamInterface<const char*> {
 protected:
  std::string SkinFile() const override { return GetParam(); }
};
INSTANTIATE_TEST_SUITE_P(BuiltInSkins, WinSkinFormSkinsTest,
                         testing::Values(RILVANTA_DEFAULT_SKIN, RILVANTA_DARK_SKIN));

TEST_P(WinSkinFormSkinsTest, FrameGrowsAroundAnUnchangedClientAndUnskinGivesTheSystemFrameBack) {
  HWND window = NewWindow(WS_OVERLAPPEDWINDOW);
  const RECT client = ClientRect(window);
  const SIZE systemSize = SizeOf(WindowRect(window));
  TWinSkinForm& form = Skin(window);

  const TFrameWidths& widths = form.Widths();
  EXPECT_EQ(widths.Title, data->Skin().TopBorder.Bitmap.Height() / data->Skin().TopBorder.FrameCount);
  EXPECT_EQ(form.BorderKind(), TBorderKind::Edged);
  EXPECT_EQ(SizeOf(ClientRect(window)).cx, client.right);
  EXPECT_EQ(SizeOf(ClientRect(window)).cy, client.bottom);
  const SIZE skinned = SizeOf(WindowRect(window));
  EXPECT_EQ(skinned.cx, client.right + widths.Left + widths.Right);
  EXPECT_EQ(skinned.cy, client.bottom + widths.Title + widths.Bottom);
  // The system-menu and box styles are gone while the skin draws the frame.
  EXPECT_EQ(GetWindowLongW(window, GWL_STYLE) & (WS_SYSMENU | WS_MAXIMIZEBOX | WS_MINIMIZEBOX), 0);
  EXPECT_EQ(SendMessageW(window, SKM_QUERYSKINNED, 0, 0), kSkinnedAnswer);

  // The region leaves out the magenta of the left border's top corner.
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(window, region), ERROR);
  const TSkinBitmap& left = data->Skin().LeftBorder.Bitmap;
  EXPECT_EQ(PtInRegion(region, 0, 0) != 0, PictureColour(left, 0, 0) != kMagenta);
  EXPECT_TRUE(PtInRegion(region, skinned.cx / 2, skinned.cy / 2));
  DeleteObject(region);

  form.Unskin();
  EXPECT_EQ(SizeOf(ClientRect(window)).cx, client.right);
  EXPECT_EQ(SizeOf(ClientRect(window)).cy, client.bottom);
  EXPECT_EQ(SizeOf(WindowRect(window)).cx, systemSize.cx);
  EXPECT_EQ(SizeOf(WindowRect(window)).cy, systemSize.cy);
  EXPECT_NE(GetWindowLongW(window, GWL_STYLE) & WS_SYSMENU, 0);
  HRGN none = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(window, none), ERROR);
  DeleteObject(none);
  EXPECT_NE(SendMessageW(window, SKM_QUERYSKINNED, 0, 0), kSkinnedAnswer);
}

TEST_F(WinSkinFormTest, UnskinnedBeforeItsFirstFitAWindowKeepsItsSizeAndGetsItsStylesBack) {
  HWND window = NewWindow(WS_OVERLAPPEDWINDOW);
  const RECT before = WindowRect(window);
  skinner.reset(static_cast<TWinSkinForm*>(CreateFormSkinner(window, nullptr, *data).release()));
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(GetWindowLongW(window, GWL_STYLE) & WS_SYSMENU, 0);
  skinner->Unskin();
  const RECT after = WindowRect(window);
  EXPECT_TRUE(EqualRect(&before, &after));
  EXPECT_NE(GetWindowLongW(window, GWL_STYLE) & WS_SYSMENU, 0);
  // A second detach changes nothing.
  skinner->Unskin();
  const RECT again = WindowRect(window);
  EXPECT_TRUE(EqualRect(&before, &again));
}

TEST_F(WinSkinFormTest, AWindowsOwnMenuBarIsDrawnByTheSystemBetweenTitleAndClient) {
  HWND window = NewWindow(WS_OVERLAPPEDWINDOW);
  HMENU menu = CreateMenu();
  AppendMenuW(menu, MF_STRING, 1, L"&File");
  SetMenu(window, menu);
  const RECT client = ClientRect(window);
  TWinSkinForm& form = Skin(window);

  ASSERT_GT(form.MenuBarHeight(), 0);
  const TFrameWidths& widths = form.Widths();
  EXPECT_EQ(SizeOf(ClientRect(window)).cy, client.bottom);
  EXPECT_EQ(SizeOf(WindowRect(window)).cy, client.bottom + widths.Title + form.MenuBarHeight() + widths.Bottom);
  // The bar's right end, past its one item, shows the system's menu-bar colour.
  const RECT rect = WindowRect(window);
  const COLORREF bar = ScreenPixel(rect.right - widths.Right - 3, rect.top + widths.Title + form.MenuBarHeight() / 2);
  EXPECT_TRUE(bar == GetSysColor(COLOR_MENUBAR) || bar == GetSysColor(COLOR_MENU)) << std::hex << bar;
  EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(rect.left + widths.Left + 8, rect.top + widths.Title + 2)),
            HTMENU);
}

TEST_F(WinSkinFormTest, HitTestsFindTheCaptionAndTheClient) {
  HWND window = NewWindow(WS_OVERLAPPEDWINDOW);
  TWinSkinForm& form = Skin(window);
  const SIZE size = SizeOf(WindowRect(window));
  const int title = form.Widths().Title;
  EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, ScreenPoint(window, size.cx / 2, title - 2)), HTCAPTION);
  EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, ScreenPoint(window, size.cx / 2, title + 20)), HTCLIENT);
  const TNCObject* close = ButtonOfAction(captionaction::kClose);
  ASSERT_NE(close, nullptr);
  const POINT centre{(close->Bounds.Left + close->Bounds.Right) / 2, (close->Bounds.Top + close->Bounds.Bottom) / 2};
  const RECT rect = WindowRect(window);
  EXPECT_EQ(form.FindHitObject(form.ScreenToFrame(POINT{rect.left + centre.x, rect.top + centre.y})), close);
}

TEST_F(WinSkinFormTest, CaptionButtonsLightUpPressAndActOnlyWhenReleasedOverThemselves) {
  HWND window = NewWindow(WS_OVERLAPPEDWINDOW);
  TWinSkinForm& form = Skin(window);
  const TWinSysButton* close = ButtonOfAction(captionaction::kClose);
  ASSERT_NE(close, nullptr);
  const TPixelRect& b = close->Bounds;
  const LPARAM onClose = ScreenPoint(window, (b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2);
  const LPARAM onTitle = ScreenPoint(window, form.Widths().Left + 40, form.Widths().Title / 2);

  SendMessageW(window, WM_NCMOUSEMOVE, HTCAPTION, onClose);
  EXPECT_EQ(form.HotObject(), close);
  EXPECT_EQ(close->ButtonState, TNCButtonState::Hot);
  SendMessageW(window, WM_NCMOUSEMOVE, HTCAPTION, onTitle);
  EXPECT_EQ(form.HotObject(), nullptr);
  EXPECT_EQ(close->ButtonState, TNCButtonState::Normal);

  // Pressed, then released elsewhere: nothing happens.
  SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, onClose);
  EXPECT_EQ(close->ButtonState, TNCButtonState::Pressed);
  SendMessageW(window, WM_NCLBUTTONUP, HTCAPTION, onTitle);
  PumpMessagesFor(50);
  EXPECT_EQ(CountLogged(WM_CLOSE), 0);

  // Pressed and released on it: the window is asked to close, after the release only.
  SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, onClose);
  PumpMessagesFor(50);
  EXPECT_EQ(CountLogged(WM_CLOSE), 0);
  SendMessageW(window, WM_NCLBUTTONUP, HTCAPTION, onClose);
  PumpMessagesUntil([] { return CountLogged(WM_CLOSE) > 0; });
  EXPECT_EQ(CountLogged(WM_CLOSE), 1);
  // The caption button's presses never reached the window's own procedure;
  // the title's release did.
  EXPECT_EQ(CountLogged(WM_NCLBUTTONDOWN), 0);
  EXPECT_EQ(CountLogged(WM_NCLBUTTONUP), 1);
}

TEST_F(WinSkinFormTest, TwoRightClicksOnTheCaptionWithinTheDoubleClickTimeClose) {
  HWND window = NewWindow(WS_OVERLAPPEDWINDOW);
  TWinSkinForm& form = Skin(window);
  const LPARAM onTitle = ScreenPoint(window, form.Widths().Left + 40, form.Widths().Title / 2);
  // The first click opens the system menu, which a timer closes again.
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) { EndMenu(); });
  SendMessageW(window, WM_NCRBUTTONUP, HTCAPTION, onTitle);
  KillTimer(nullptr, timer);
  PumpMessagesFor(20);
  EXPECT_EQ(CountLogged(WM_CLOSE), 0);
  SendMessageW(window, WM_NCRBUTTONUP, HTCAPTION, onTitle);
  PumpMessagesUntil([] { return CountLogged(WM_CLOSE) > 0; });
  EXPECT_EQ(CountLogged(WM_CLOSE), 1);
}

TEST_F(WinSkinFormTest, AltAloneOpensNoSystemMenuButAltSpaceDoes) {
  HWND window = NewWindow(WS_OVERLAPPEDWINDOW);
  Skin(window);
  EXPECT_EQ(SendMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, 0), 1);
  EXPECT_EQ(CountLogged(WM_SYSCOMMAND), 0);
  SendMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, ' ');
  ASSERT_EQ(CountLogged(WM_SYSCOMMAND), 1);
  EXPECT_EQ(theLog.back().LParam, ' ');
}

TEST_F(WinSkinFormTest, AMaximisedWindowIsNotDraggedByItsTitle) {
  HWND window = NewWindow(WS_OVERLAPPEDWINDOW);
  TWinSkinForm& form = Skin(window);
  const LPARAM onTitle = ScreenPoint(window, form.Widths().Left + 40, form.Widths().Title / 2);
  SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, onTitle);
  ASSERT_EQ(CountLogged(WM_NCLBUTTONDOWN), 1);
  EXPECT_EQ(theLog.back().WParam, static_cast<WPARAM>(HTCAPTION));

  ShowWindow(window, SW_MAXIMIZE);
  PumpMessagesFor(50);
  // Without a window manager Wine at once asks for the maximised window to be
  // restored (a system command the recording procedure swallows); the size
  // notice tells the skinner where the window stands.
  ASSERT_TRUE(IsZoomed(window));
  const RECT maximised = ClientRect(window);
  SendMessageW(window, WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(maximised.right, maximised.bottom));
  ASSERT_EQ(form.ShowState(), TShowState::Maximized);
  const LPARAM onMaximisedTitle = ScreenPoint(window, form.Widths().Left + 40, form.Widths().Title / 2);
  SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, onMaximisedTitle);
  ASSERT_EQ(CountLogged(WM_NCLBUTTONDOWN), 2);
  EXPECT_EQ(theLog.back().WParam, static_cast<WPARAM>(HTMENU));
}

TEST_P(WinSkinFormSkinsTest, FramePiecesTitleAndButtonsArePaintedFromTheSkinInBothStates) {
  HWND window = NewWindow(WS_OVERLAPPEDWINDOW);
  TWinSkinForm& form = Skin(window);
  const TSkinSettings& skin = data->Skin();
  const RECT rect = WindowRect(window);

  // A pixel of the left border's top end, from the active cell or the inactive one.
  auto leftBorderMatches = [&](int cell) {
    const TDataSkinBorder& left = skin.LeftBorder;
    const int width = left.Bitmap.Width() / left.FrameCount;
    for (int y = 4; y < left.TopHeight; ++y)
      for (int x = 0; x < width; ++x) {
        const COLORREF expected = PictureColour(left.Bitmap, (cell - 1) * width + x, y);
        if (expected == kMagenta) continue;
        return ScreenPixel(rect.left + x, rect.top + y) == expected;
      }
    return false;
  };
  // The centre pixel of a caption button's cell.
  auto buttonShows = [&](const TWinSysButton& button, int cell) {
    const TSkinBitmap& picture = button.Record.Bitmap;
    const int width = picture.Width() / button.Record.FrameCount;
    const int x = width / 2, y = picture.Height() / 2;
    const COLORREF expected = PictureColour(picture, (cell - 1) * width + x, y);
    return expected == kMagenta ||
           ScreenPixel(rect.left + button.Bounds.Left + x, rect.top + button.Bounds.Top + y) == expected;
  };
  auto titleTextShows = [&](TColour colour) {
    const TPixelRect& text = form.TitleTextRect();
    const COLORREF wanted = RGB(RedOf(colour), GreenOf(colour), BlueOf(colour));
    for (int y = text.Top; y < text.Bottom; ++y)
      for (int x = text.Left; x < text.Right; ++x)
        if (ScreenPixel(rect.left + x, rect.top + y) == wanted) return true;
    return false;
  };

  const TWinSysButton* close = ButtonOfAction(captionaction::kClose);
  ASSERT_NE(close, nullptr);
  EXPECT_TRUE(leftBorderMatches(1));
  EXPECT_TRUE(buttonShows(*close, 1));
  EXPECT_TRUE(titleTextShows(skin.TitleTextActiveColour));
  SendMessageW(window, WM_NCMOUSEMOVE, HTCAPTION,
               ScreenPoint(window, (close->Bounds.Left + close->Bounds.Right) / 2, close->Bounds.Top + 2));
  EXPECT_EQ(form.HotObject(), close);
  // Wine shows what was drawn on a window once its message loop runs.
  PumpMessagesFor(50);
  EXPECT_TRUE(buttonShows(*close, 3));

  // Another window takes activation: the inactive cells, and no lighting up.
  NewWindow(WS_OVERLAPPEDWINDOW, 100, 100, 900);
  PumpMessagesUntil([&] { return !form.Active(); });
  ASSERT_FALSE(form.Active());
  EXPECT_TRUE(leftBorderMatches(skin.LeftBorder.FrameCount > 1 ? 2 : 1));
  EXPECT_TRUE(buttonShows(*close, IdleCaptionButtonFrame(false, close->Record.FrameCount)));
  EXPECT_TRUE(titleTextShows(skin.TitleTextNoActiveColour));
  SendMessageW(window, WM_NCMOUSEMOVE, HTCAPTION,
               ScreenPoint(window, (close->Bounds.Left + close->Bounds.Right) / 2, close->Bounds.Top + 2));
  EXPECT_EQ(form.HotObject(), nullptr);
}

TEST_F(WinSkinFormTest, ABorderlessPopupKeepsItsSizeAndIsNotCut) {
  HWND window = NewWindow(WS_POPUP, 312, 311);
  TWinSkinForm& form = Skin(window);
  EXPECT_EQ(form.BorderKind(), TBorderKind::None);
  EXPECT_EQ(form.Widths().Title, 0);
  const SIZE size = SizeOf(WindowRect(window));
  EXPECT_EQ(size.cx, 312);
  EXPECT_EQ(size.cy, 311);
  EXPECT_EQ(SizeOf(ClientRect(window)).cx, 312);
  EXPECT_EQ(SizeOf(ClientRect(window)).cy, 311);
  // Nothing is cut from a window without a frame: it has no region, even with a skin whose borders are transparent.
  ASSERT_TRUE(FrameHasTransparentBorders(data->Skin()));
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(window, region), ERROR);
  DeleteObject(region);
}

TEST_F(WinSkinFormTest, ALibraryFormIsRecolouredRepaintsANewCaptionAndIsGivenBackWhole) {
  ui::TForm form(nullptr);
  form.SetCaption("Library form");
  form.SetClientSize(300, 200);
  form.Show();
  const HWND window = form.Handle();
  // The form's own handling, chained before the skinner's: what reaches it, in order.
  std::vector<UINT> seen;
  const ui::TWndMethod own = form.WindowProc();
  form.SetWindowProc([&](ui::TMessage& message) {
    if (message.Msg == WM_SETTEXT || message.Msg == WM_NCCALCSIZE) seen.push_back(message.Msg);
    own(message);
  });
  const TColour layoutColour = form.Color();
  skinner.reset(static_cast<TWinSkinForm*>(CreateFormSkinner(window, &form, *data).release()));
  ASSERT_NE(skinner, nullptr);
  SendMessageW(window, SKM_ATTACHED, 0, kAttachedTag);
  EXPECT_EQ(form.Color(), data->Skin().ButtonFaceColour);
  EXPECT_EQ(SizeOf(ClientRect(window)).cx, 300);

  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  const int shortTitle = skinner->TitleTextRect().Width();
  seen.clear();
  form.SetCaption("Library form with a much longer caption");
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_UPDATENOW);
  // The caption is stored first, then the frame is recalculated and painted with it.
  ASSERT_GE(seen.size(), 2u);
  EXPECT_EQ(seen[0], static_cast<UINT>(WM_SETTEXT));
  EXPECT_EQ(seen[1], static_cast<UINT>(WM_NCCALCSIZE));
  EXPECT_GT(skinner->TitleTextRect().Width(), shortTitle);

  skinner->Unskin();
  EXPECT_EQ(form.Color(), layoutColour);
  EXPECT_EQ(SizeOf(ClientRect(window)).cx, 300);
  EXPECT_EQ(SizeOf(ClientRect(window)).cy, 200);
  EXPECT_NE(SendMessageW(window, SKM_QUERYSKINNED, 0, 0), kSkinnedAnswer);
  skinner.reset();
  form.SetWindowProc(own);
}

TEST_F(WinSkinFormTest, AToolWindowFittedBeforeItsFirstPaintIsPaintedOverItsWholeClient) {
  ui::TForm form(nullptr);
  form.SetBorderStyle(ui::TFormBorderStyle::bsSizeToolWin);
  form.SetClientSize(300, 160);
  form.Show();
  const HWND window = form.Handle();
  auto clientTop = [&] {
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    return origin.y - WindowRect(window).top;
  };
  const int systemClientTop = clientTop();
  // Attached and fitted while the first paint still waits, as at a first activation.
  skinner.reset(static_cast<TWinSkinForm*>(CreateFormSkinner(window, &form, *data).release()));
  ASSERT_NE(skinner, nullptr);
  SendMessageW(window, SKM_ATTACHED, 0, kAttachedTag);
  ASSERT_NE(clientTop(), systemClientTop);  // the frame moved the client within the window
  PumpMessagesFor(100);

  // Every pixel of the client, read back from the screen, has the form's colour.
  const SIZE client = SizeOf(ClientRect(window));
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  BITMAPINFO info{};
  info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), client.cx, -client.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP picture = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  ASSERT_NE(picture, nullptr);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  const HGDIOBJ old = SelectObject(memory, picture);
  BitBlt(memory, 0, 0, client.cx, client.cy, screen, origin.x, origin.y, SRCCOPY);
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  const COLORREF face = ui::ColourToRgb(form.Color());
  const uint32_t wanted = GetRValue(face) << 16 | GetGValue(face) << 8 | GetBValue(face);
  const auto* pixels = static_cast<const uint32_t*>(bits);
  int firstWrongRow = -1;
  for (int i = 0; i < client.cx * client.cy && firstWrongRow < 0; ++i)
    if ((pixels[i] & 0xFFFFFF) != wanted) firstWrongRow = i / client.cx;
  DeleteObject(picture);
  EXPECT_EQ(firstWrongRow, -1) << "of " << client.cy << " rows";
}

TEST_F(WinSkinFormTest, ANewSkinRefitsTheFrameAroundTheSameClient) {
  HWND window = NewWindow(WS_OVERLAPPEDWINDOW);
  TWinSkinForm& form = Skin(window);
  const RECT client = ClientRect(window);
  data->SetSkinFile(RILVANTA_DARK_SKIN);
  ASSERT_FALSE(data->SkinEmpty());
  form.ReleaseCaptionButtons();
  form.RebuildFrameMetrics();
  form.RefreshSkin();
  const TFrameWidths& widths = form.Widths();
  EXPECT_EQ(widths.Title, data->Skin().TopBorder.Bitmap.Height() / data->Skin().TopBorder.FrameCount);
  EXPECT_EQ(form.CaptionButtons().size(), data->Skin().SysButtons.size());
  const SIZE size = SizeOf(WindowRect(window));
  EXPECT_EQ(SizeOf(ClientRect(window)).cx, client.right);
  EXPECT_EQ(SizeOf(ClientRect(window)).cy, client.bottom);
  EXPECT_EQ(size.cx, client.right + widths.Left + widths.Right);
  EXPECT_EQ(size.cy, client.bottom + widths.Title + widths.Bottom);
}

TEST_F(WinSkinFormTest, TheHoverTimerLetsGoOfAButtonTheMouseHasLeft) {
  HWND window = NewWindow(WS_OVERLAPPEDWINDOW);
  TWinSkinForm& form = Skin(window);
  const TWinSysButton* close = ButtonOfAction(captionaction::kClose);
  ASSERT_NE(close, nullptr);
  EXPECT_TRUE(form.HoverTimerRunning());
  SetCursorPos(5, 1000);
  SendMessageW(window, WM_NCMOUSEMOVE, HTCAPTION,
               ScreenPoint(window, (close->Bounds.Left + close->Bounds.Right) / 2, close->Bounds.Top + 2));
  ASSERT_EQ(form.HotObject(), close);
  PumpMessagesUntil([&] { return form.HotObject() == nullptr; }, 1000);
  EXPECT_EQ(form.HotObject(), nullptr);
  EXPECT_EQ(close->ButtonState, TNCButtonState::Normal);
}

TEST_F(WinSkinFormTest, AnMdiFrameAttachesItsNewChildrenWhichGiveTheirFrameToTheSystemWhenMaximised) {
  SkinManager()->RegisterSkinData(data.get());
  SkinManager()->SetEnabled(true);
  ui::TForm frame(nullptr);
  frame.SetFormStyle(ui::TFormStyle::fsMDIForm);
  frame.SetClientSize(600, 450);
  frame.Show();
  std::unique_ptr<TFormSkinner> made = CreateFormSkinner(frame.Handle(), &frame, *data);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->MdiKind(), TMdiKind::Frame);
  SkinManager()->AddFormSkinner(made.release());
  SendMessageW(frame.Handle(), SKM_ATTACHED, 0, kAttachedTag);
  EXPECT_EQ(SkinManager()->MdiClientWindow(), frame.ClientHandle());

  auto* child = new ui::TForm(&frame);
  child->SetFormStyle(ui::TFormStyle::fsMDIChild);
  child->SetCaption("Child");
  child->Show();
  const HWND childWindow = child->Handle();
  PumpMessagesUntil([&] {
    TFormSkinner* skinner = SkinManager()->FindFormSkinner(childWindow);
    return skinner && skinner->State() == TFormSkinnerState::Active;
  });
  auto* childSkinner = dynamic_cast<TWinSkinForm*>(SkinManager()->FindFormSkinner(childWindow));
  ASSERT_NE(childSkinner, nullptr);
  EXPECT_EQ(childSkinner->MdiKind(), TMdiKind::Child);
  EXPECT_EQ(SkinManager()->CountMdiChildren(), 1);
  const SIZE size = SizeOf(WindowRect(childWindow));
  const SIZE client = SizeOf(ClientRect(childWindow));
  EXPECT_EQ(size.cy - client.cy, childSkinner->Widths().Title + childSkinner->Widths().Bottom);
  EXPECT_EQ(GetWindowLongW(childWindow, GWL_STYLE) & WS_SYSMENU, 0);

  // Maximised, the child wears the system's frame again.
  SendMessageW(frame.ClientHandle(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(childWindow), 0);
  PumpMessagesFor(50);
  EXPECT_EQ(childSkinner->ShowState(), TShowState::Maximized);
  EXPECT_NE(GetWindowLongW(childWindow, GWL_STYLE) & WS_SYSMENU, 0);
  // Restored, the skin's.
  SendMessageW(frame.ClientHandle(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(childWindow), 0);
  PumpMessagesFor(50);
  EXPECT_EQ(childSkinner->ShowState(), TShowState::Normal);
  EXPECT_EQ(GetWindowLongW(childWindow, GWL_STYLE) & WS_SYSMENU, 0);
  FreeSkinManager();
}

}  // namespace
}  // namespace skin
