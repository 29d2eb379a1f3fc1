// A full non-client paint of a skinned 800 x 600 window (borders, off-screen
// title bar, caption text and buttons) against one copy of the same window
// area: the frame should cost at most a few such copies. A repaint copies the
// pieces and title bar kept from the last one; a new skin renders them anew.
// A skinned menu bar of eight items, painted whole and one button at a time.
#include <benchmark/benchmark.h>

#include <memory>

#include "skin/component/skin_data.h"
#include "skin/engine/frame/form_skinner_factory.h"
#include "skin/engine/frame/win_skin_form.h"
#include "skin/engine/frame/win_skin_menu.h"
#include "skin/engine/skin_manage.h"
#include "skin/engine/win32/skin_messages.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

struct TSkinnedWindow {
  TSkinnedWindow() {
    manager = &skin::CreateSkinManager();
    data.SetSkinFile(RILVANTA_DEFAULT_SKIN);
    window = CreateWindowExW(0, L"STATIC", L"Frame paint", WS_OVERLAPPEDWINDOW, 0, 0, kWidth, kHeight, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    ShowWindow(window, SW_SHOW);
    skinner = skin::CreateFormSkinner(window, nullptr, data, *manager);
    SendMessageW(window, skin::SKM_ATTACHED, 0, skin::kAttachedTag);
    // Fitting keeps the client; make the whole window 800 x 600 again.
    SetWindowPos(window, nullptr, 0, 0, kWidth, kHeight, SWP_NOMOVE | SWP_NOZORDER);
  }
  ~TSkinnedWindow() {
    skinner.reset();
    DestroyWindow(window);
  }

  skin::TSkinManage* manager;
  skin::TSkinData data{nullptr, skin::ManagerRequests()};
  HWND window = nullptr;
  std::unique_ptr<skin::TFormSkinner> skinner;
};

TSkinnedWindow& Window() {
  static TSkinnedWindow window;
  return window;
}

void BM_FullNonClientPaint(benchmark::State& state) {
  TSkinnedWindow& skinned = Window();
  auto& form = static_cast<skin::TWinSkinForm&>(*skinned.skinner);
  HDC dc = GetWindowDC(skinned.window);
  for (auto _ : state) {
    form.PaintNonClient(dc);
    GdiFlush();
  }
  ReleaseDC(skinned.window, dc);
}
BENCHMARK(BM_FullNonClientPaint)->Unit(benchmark::kMicrosecond);

// A new skin: every piece is rendered and the title bar composed afresh.
void BM_FirstFramePaintOfASkin(benchmark::State& state) {
  TSkinnedWindow& skinned = Window();
  auto& form = static_cast<skin::TWinSkinForm&>(*skinned.skinner);
  HDC dc = GetWindowDC(skinned.window);
  for (auto _ : state) {
    form.ReleaseCaptionButtons();
    form.RebuildFrameMetrics();
    form.PaintNonClient(dc);
    GdiFlush();
  }
  ReleaseDC(skinned.window, dc);
}
BENCHMARK(BM_FirstFramePaintOfASkin)->Unit(benchmark::kMicrosecond);

// Activation going back and forth: both states' pieces and title bars are kept.
void BM_FramePaintOnActivationChange(benchmark::State& state) {
  TSkinnedWindow& skinned = Window();
  bool active = false;
  for (auto _ : state) {
    SendMessageW(skinned.window, WM_NCACTIVATE, active, 0);
    GdiFlush();
    active = !active;
  }
  SendMessageW(skinned.window, WM_NCACTIVATE, TRUE, 0);
}
BENCHMARK(BM_FramePaintOnActivationChange)->Unit(benchmark::kMicrosecond);

// What attaching costs a borderless pop-up like the calendar's at its first
// activation, and detaching again.
void BM_AttachToABorderlessPopup(benchmark::State& state) {
  TSkinnedWindow& skinned = Window();
  HWND popup = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 900, 100, 312, 311, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  for (auto _ : state) {
    std::unique_ptr<skin::TFormSkinner> skinner =
        skin::CreateFormSkinner(popup, nullptr, skinned.data, *skinned.manager);
    SendMessageW(popup, skin::SKM_ATTACHED, 0, skin::kAttachedTag);
    skinner->Unskin();
  }
  DestroyWindow(popup);
}
BENCHMARK(BM_AttachToABorderlessPopup)->Unit(benchmark::kMicrosecond);

// A window with a menu bar of eight popups, skinned.
struct TWindowWithMenuBar {
  TWindowWithMenuBar() {
    HMENU bar = CreateMenu();
    for (const wchar_t* name :
         {L"&File", L"&Edit", L"&View", L"&Insert", L"F&ormat", L"&Tools", L"&Window", L"&Help"}) {
      HMENU popup = CreatePopupMenu();
      AppendMenuW(popup, MF_STRING, 1, L"&Open");
      AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), name);
    }
    window = CreateWindowExW(0, L"STATIC", L"Menu bar", WS_OVERLAPPEDWINDOW, 0, 0, kWidth, kHeight, nullptr, bar,
                             GetModuleHandleW(nullptr), nullptr);
    ShowWindow(window, SW_SHOW);
    skinner = skin::CreateFormSkinner(window, nullptr, Window().data, *Window().manager);
    SendMessageW(window, skin::SKM_ATTACHED, 0, skin::kAttachedTag);
  }
  ~TWindowWithMenuBar() {
    skinner.reset();
    DestroyWindow(window);
  }
  skin::TWinSkinMenu& Bar() const { return *static_cast<skin::TWinSkinForm&>(*skinner).MenuBar(); }
  // Between the skin's borders, below its title, as high as the system's menu bar.
  RECT BarRect() const {
    const skin::TFrameWidths widths = skin::FrameWidthsOf(Window().data.Skin());
    RECT rect{};
    GetWindowRect(window, &rect);
    return RECT{widths.Left, widths.Title, rect.right - rect.left - widths.Right,
                widths.Title + GetSystemMetrics(SM_CYMENU)};
  }

  HWND window = nullptr;
  std::unique_ptr<skin::TFormSkinner> skinner;
};

void BM_MenuBarOfEightItems(benchmark::State& state) {
  TWindowWithMenuBar skinned;
  const RECT bar = skinned.BarRect();
  HDC dc = GetWindowDC(skinned.window);
  for (auto _ : state) {
    skinned.Bar().PaintBar(dc, bar);
    GdiFlush();
  }
  ReleaseDC(skinned.window, dc);
}
BENCHMARK(BM_MenuBarOfEightItems)->Unit(benchmark::kMicrosecond);

// The mouse going over a bar button and leaving it: two repaints of one button.
void BM_MenuBarButtonHoverAndLeave(benchmark::State& state) {
  TWindowWithMenuBar skinned;
  skin::TMenuBtn& button = *skinned.Bar().Buttons()[3];
  for (auto _ : state) {
    button.Hover();
    button.Leave();
    GdiFlush();
  }
}
BENCHMARK(BM_MenuBarButtonHoverAndLeave)->Unit(benchmark::kMicrosecond);

void BM_OneCopyOfTheWindowArea(benchmark::State& state) {
  TSkinnedWindow& skinned = Window();
  HDC dc = GetWindowDC(skinned.window);
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP picture = CreateCompatibleBitmap(dc, kWidth, kHeight);
  HGDIOBJ old = SelectObject(memory, picture);
  for (auto _ : state) {
    BitBlt(dc, 0, 0, kWidth, kHeight, memory, 0, 0, SRCCOPY);
    GdiFlush();
  }
  SelectObject(memory, old);
  DeleteObject(picture);
  DeleteDC(memory);
  ReleaseDC(skinned.window, dc);
}
BENCHMARK(BM_OneCopyOfTheWindowArea)->Unit(benchmark::kMicrosecond);

}  // namespace
