#include "skin/engine/frame/win_skin_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "generated_skin.h"
#include "skin/component/skin_data.h"
#include "skin/engine/frame/form_skinner_factory.h"
#include "skin/engine/frame/frame_region.h"
#include "skin/engine/frame/win_skin_menu.h"
#include "skin/engine/skin_manage.h"
#include "skin/engine/win32/skin_messages.h"
#include "ui/forms/form.h"
#include "ui/graphics/colour.h"
#include "ui/menus/main_menu.h"

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
    case WM_INITMENUPOPUP:
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

// The name of a window class of that procedure, registered when first asked
// for; nullptr when it cannot be.
const wchar_t* WindowClass(const wchar_t* name, WNDPROC procedure) {
  WNDCLASSW windowClass{};
  if (GetClassInfoW(GetModuleHandleW(nullptr), name, &windowClass)) return name;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = name;
  return RegisterClassW(&windowClass) ? name : nullptr;
}
const wchar_t* RecordingClass() { return WindowClass(L"FrameTestWindow", RecordingProc); }
// A window whose procedure is the system's own: its commands do what they say.
const wchar_t* PlainClass() { return WindowClass(L"FramePlainWindow", DefWindowProcW); }

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

// A menu bar of three popups of two items each ("&File", "&Edit", "&Help")
// and a disabled command, its items reading right to left when asked.
HMENU NewMenuBar(bool rightToLeft = false) {
  HMENU bar = CreateMenu();
  const wchar_t* names[] = {L"&File", L"&Edit", L"&Help", L"&Gone"};
  for (UINT i = 0; i < 4; ++i) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_ID | MIIM_STATE;
    item.fType = MFT_STRING | (rightToLeft ? MFT_RIGHTORDER : 0);
    item.dwTypeData = const_cast<wchar_t*>(names[i]);
    item.wID = 100 + i;
    if (i < 3) {
      item.fMask |= MIIM_SUBMENU;
      item.hSubMenu = CreatePopupMenu();
      AppendMenuW(item.hSubMenu, MF_STRING, 10 * (i + 1), L"&Open");
      AppendMenuW(item.hSubMenu, MF_STRING, 10 * (i + 1) + 1, L"&Close");
    } else {
      item.fState = MFS_GRAYED;
    }
    InsertMenuItemW(bar, i, TRUE, &item);
  }
  return bar;
}

// Gives the form a main menu of one item with one sub-item; the item.
ui::TMenuItem* GiveMainMenu(ui::TForm& form, const char* caption, const char* subCaption) {
  auto* menu = new ui::TMainMenu(&form);
  auto* item = new ui::TMenuItem(&form);
  item->SetCaption(caption);
  item->Add(new ui::TMenuItem(&form));
  item->Items(0)->SetCaption(subCaption);
  menu->Items()->Add(item);
  form.SetMenu(menu);
  return item;
}

// Steps run one by one, 150 ms apart, while a menu is open; a menu still
// open after the last one is ended.
std::vector<std::function<void()>> theMenuSteps;
void CALLBACK RunMenuStep(HWND, UINT, UINT_PTR, DWORD) {
  if (theMenuSteps.empty()) {
    EndMenu();
    return;
  }
  const std::function<void()> step = std::move(theMenuSteps.front());
  theMenuSteps.erase(theMenuSteps.begin());
  step();
}

bool MenuPopupShown() {
  for (HWND popup = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); popup;
       popup = FindWindowExW(nullptr, popup, L"#32768", nullptr))
    if (IsWindowVisible(popup)) return true;
  return false;
}

std::vector<HMENU> OpenedPopups() {
  std::vector<HMENU> popups;
  for (const TLogged& entry : theLog)
    if (entry.Msg == WM_INITMENUPOPUP) popups.push_back(reinterpret_cast<HMENU>(entry.WParam));
  return popups;
}
HMENU LastOpenedPopup() {
  const std::vector<HMENU> popups = OpenedPopups();
  return popups.empty() ? nullptr : popups.back();
}

// The menu key alone is answered by the skinner (it opens nothing) only
// while none of the window's menus is being tracked.
bool MenuKeyAnsweredBySkinner(HWND window) { return SendMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, 0) == 1; }

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
// The screen's pixels in a rectangle, row by row, as 0xRRGGBB, read in one copy.
std::vector<uint32_t> ScreenPixels(const RECT& area) {
  const SIZE size = SizeOf(area);
  BITMAPINFO info{};
  info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP picture = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!picture) return {};
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  const HGDIOBJ old = SelectObject(memory, picture);
  BitBlt(memory, 0, 0, size.cx, size.cy, screen, area.left, area.top, SRCCOPY);
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  const auto* first = static_cast<const uint32_t*>(bits);
  std::vector<uint32_t> pixels(first, first + static_cast<std::size_t>(size.cx) * size.cy);
  DeleteObject(picture);
  for (uint32_t& pixel : pixels) pixel &= 0xFFFFFF;
  return pixels;
}
uint32_t PixelValue(COLORREF colour) { return GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour); }

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
    data = std::make_unique<TSkinData>(nullptr, ManagerRequests());
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
    std::unique_ptr<TFormSkinner> made = CreateFormSkinner(window, nullptr, *data, *SkinManager());
    skinner.reset(static_cast<TWinSkinForm*>(made.release()));
    SendMessageW(window, SKM_ATTACHED, 0, kAttachedTag);
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    PumpMessagesFor(50);
    theLog.clear();
    return *skinner;
  }

  const TWinSysButton* ButtonOfAction(int action) const {
    for (const auto& button : skinner->CaptionButtons().Buttons())
      if (button->Record.Action == action && button->Visible) return button.get();
    return nullptr;
  }
  // The widths of the skin's borders, which a painted frame has.
  TFrameWidths Widths() const { return FrameWidthsOf(data->Skin()); }
  // The rightmost column of the window's title bar, left of the right-hand
  // caption buttons, that shows `colour`; -1 when none does.
  int RightmostInTitle(HWND window, TColour colour) const {
    const RECT rect = WindowRect(window);
    const int buttonsLeft = skinner->CaptionButtons().RightButtonsLeft();
    const int left = Widths().Left;
    const int right = buttonsLeft > 0 ? buttonsLeft : SizeOf(rect).cx - Widths().Right;
    const int height = Widths().Title;
    const std::vector<uint32_t> title =
        ScreenPixels(RECT{rect.left + left, rect.top, rect.left + right, rect.top + height});
    const uint32_t wanted = PixelValue(ui::ColourToRgb(colour));
    for (int x = right - left; x-- > 0;)
      for (int y = 0; y < height && !title.empty(); ++y)
        if (title[static_cast<std::size_t>(y) * (right - left) + x] == wanted) return left + x;
    return -1;
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

  const TFrameWidths widths = Widths();
  EXPECT_EQ(widths.Title, data->Skin().TopBorder.Bitmap.Height() / data->Skin().TopBorder.FrameCount);
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

TEST_F(WinSkinFormTest, ASkinnerWhoseWindowIsDestroyedIsFreedByTheManagerThatHoldsIt) {
  // Never shown: destroying a shown window costs Wine two seconds without a window manager.
  HWND window = CreateWindowExW(0, RecordingClass(), L"Going", WS_OVERLAPPEDWINDOW, 600, 100, 300, 200, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  TSkinManage& manager = *SkinManager();
  manager.SetStarted(1);
  manager.AddFormSkinner(CreateFormSkinner(window, nullptr, *data, manager));
  SendMessageW(window, SKM_ATTACHED, 0, kAttachedTag);
  TFormSkinner* held = manager.FindFormSkinner(window);
  ASSERT_NE(held, nullptr);

  DestroyWindow(window);
  EXPECT_EQ(held->State(), TFormSkinnerState::Destroyed);
  EXPECT_EQ(manager.PendingAction(), TSkinAction::Purge);
  PumpMessagesUntil([&] { return manager.FormSkinners().empty(); });
  EXPECT_TRUE(manager.FormSkinners().empty());
}

TEST_F(WinSkinFormTest, UnskinnedBeforeItsFirstFitAWindowKeepsItsSizeAndGetsItsStylesBack) {
  HWND window = NewWindow(WS_OVERLAPPEDWINDOW);
  const RECT before = WindowRect(window);
  skinner.reset(static_cast<TWinSkinForm*>(CreateFormSkinner(window, nullptr, *data, *SkinManager()).release()));
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

TEST_F(WinSkinFormTest, AWindowsMenuBarIsTakenOverBetweenTitleAndClientAndGivenBack) {
  HWND window = NewWindow(WS_OVERLAPPEDWINDOW);
  HMENU menu = NewMenuBar();
  SetMenu(window, menu);
  const RECT client = ClientRect(window);
  const RECT before = WindowRect(window);
  TWinSkinForm& form = Skin(window);

  // The system draws no bar; the frame keeps the room for the skinned one.
  EXPECT_EQ(GetMenu(window), nullptr);
  ASSERT_NE(form.MenuBar(), nullptr);
  const TFrameWidths widths = Widths();
  EXPECT_EQ(SizeOf(ClientRect(window)).cy, client.bottom);
  EXPECT_EQ(SizeOf(WindowRect(window)).cy, client.bottom + widths.Title + GetSystemMetrics(SM_CYMENU) + widths.Bottom);
  const auto& buttons = form.MenuBar()->Buttons();
  ASSERT_EQ(buttons.size(), 4u);
  EXPECT_EQ(buttons[0]->Caption, L"&File");
  EXPECT_FALSE(buttons[3]->Enabled);
  EXPECT_EQ(buttons[3]->SubMenu, nullptr);
  // Left to right, each after the one before, inside the bar.
  EXPECT_GT(buttons[0]->Bounds.Left, widths.Left);
  EXPECT_EQ(buttons[1]->Bounds.Left, buttons[0]->Bounds.Right);
  EXPECT_EQ(buttons[0]->Bounds.Top, widths.Title);
  const RECT rect = WindowRect(window);
  const POINT onEdit{rect.left + buttons[1]->Bounds.Left + 3, rect.top + buttons[1]->Bounds.Top + 3};
  EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(onEdit.x, onEdit.y)), HTMENU);
  SendMessageW(window, WM_NCMOUSEMOVE, HTMENU, MAKELPARAM(onEdit.x, onEdit.y));
  EXPECT_EQ(buttons[1]->ButtonState, TNCButtonState::Hot);
  EXPECT_EQ(buttons[0]->ButtonState, TNCButtonState::Normal);
  // Its access keys find enabled buttons only.
  EXPECT_EQ(form.MenuBar()->FindAccelButton(L'e'), buttons[1].get());
  EXPECT_EQ(form.MenuBar()->FindAccelButton(L'g'), nullptr);

  // Detached, the window has its menu back at the same client size.
  skinner->Unskin();
  EXPECT_EQ(GetMenu(window), menu);
  const RECT after = WindowRect(window);
  EXPECT_EQ(SizeOf(after).cy, SizeOf(before).cy);
  EXPECT_EQ(SizeOf(ClientRect(window)).cy, client.bottom);
}

TEST_F(WinSkinFormTest, AnAccessKeyOpensABarPopupTheArrowsSwitchPopupsAndAltEndsTheTracking) {
  HWND window = NewWindow(WS_OVERLAPPEDWINDOW);
  SetMenu(window, NewMenuBar());
  TWinSkinForm& form = Skin(window);
  const auto& buttons = form.MenuBar()->Buttons();
  std::vector<HMENU> tracked;
  std::vector<bool> shown;
  auto record = [&] {
    tracked.push_back(LastOpenedPopup());
    shown.push_back(MenuPopupShown());
  };
  TNCButtonState editWhileOpen = TNCButtonState::Normal;
  theMenuSteps = {
      [&] {
        record();
        // Right, from an item without a submenu: the next button's popup.
        PostMessageW(window, WM_KEYDOWN, VK_RIGHT, 0);
      },
      [&] {
        record();
        editWhileOpen = buttons[1]->ButtonState;
        // Left, from the bar's own popup: back to the first; the disabled
        // last button is passed over going round.
        PostMessageW(window, WM_KEYDOWN, VK_LEFT, 0);
      },
      [&] {
        record();
        PostMessageW(window, WM_KEYDOWN, VK_LEFT, 0);
      },
      [&] {
        record();
        PostMessageW(window, WM_SYSKEYDOWN, VK_MENU, 0);
      },
  };
  const UINT_PTR timer = SetTimer(nullptr, 0, 150, RunMenuStep);
  // Alt+F, as the system asks for it.
  EXPECT_EQ(SendMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, 'f'), 0);
  PumpMessagesUntil([&] { return theMenuSteps.empty() && !MenuPopupShown(); }, 5000);
  KillTimer(nullptr, timer);

  const std::vector<HMENU> expected{buttons[0]->SubMenu, buttons[1]->SubMenu, buttons[0]->SubMenu, buttons[2]->SubMenu};
  EXPECT_EQ(tracked, expected);
  EXPECT_EQ(shown, std::vector<bool>(4, true));
  // The window was told of each popup, in the order they opened.
  EXPECT_EQ(OpenedPopups(), expected);
  EXPECT_EQ(editWhileOpen, TNCButtonState::Pressed);
  // Alt closed the last popup and ended the tracking.
  EXPECT_TRUE(MenuKeyAnsweredBySkinner(window));
  EXPECT_FALSE(MenuPopupShown());
  EXPECT_NE(buttons[2]->ButtonState, TNCButtonState::Pressed);
}

TEST_F(WinSkinFormTest, ARightToLeftBarRunsFromTheRightAndItsArrowsSwapMeanings) {
  HWND window = NewWindow(WS_OVERLAPPEDWINDOW);
  SetMenu(window, NewMenuBar(true));
  TWinSkinForm& form = Skin(window);
  ASSERT_TRUE(form.MenuBar()->RightToLeft());
  const auto& buttons = form.MenuBar()->Buttons();
  const int barRight = SizeOf(WindowRect(window)).cx - Widths().Right;
  EXPECT_LT(buttons[0]->Bounds.Right, barRight);
  EXPECT_GT(buttons[0]->Bounds.Right, barRight - 20);
  EXPECT_EQ(buttons[1]->Bounds.Right, buttons[0]->Bounds.Left);

  std::vector<HMENU> tracked;
  theMenuSteps = {
      [&] {
        tracked.push_back(LastOpenedPopup());
        // Left reads as onwards: the next button, which stands to the left.
        PostMessageW(window, WM_KEYDOWN, VK_LEFT, 0);
      },
      [&] {
        tracked.push_back(LastOpenedPopup());
        EndMenu();
      },
  };
  const UINT_PTR timer = SetTimer(nullptr, 0, 150, RunMenuStep);
  // A click on the first button.
  const RECT rect = WindowRect(window);
  SendMessageW(window, WM_NCLBUTTONDOWN, HTMENU,
               MAKELPARAM(rect.left + buttons[0]->Bounds.Left + 4, rect.top + buttons[0]->Bounds.Top + 4));
  KillTimer(nullptr, timer);
  EXPECT_EQ(tracked, (std::vector<HMENU>{buttons[0]->SubMenu, buttons[1]->SubMenu}));
  EXPECT_TRUE(MenuKeyAnsweredBySkinner(window));
}

TEST_F(WinSkinFormTest, HitTestsFindTheCaptionAndTheClient) {
  HWND window = NewWindow(WS_OVERLAPPEDWINDOW);
  Skin(window);
  const SIZE size = SizeOf(WindowRect(window));
  const int title = Widths().Title;
  EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, ScreenPoint(window, size.cx / 2, title - 2)), HTCAPTION);
  EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, ScreenPoint(window, size.cx / 2, title + 20)), HTCLIENT);
  const TNCObject* close = ButtonOfAction(captionaction::kClose);
  ASSERT_NE(close, nullptr);
  const POINT centre{(close->Bounds.Left + close->Bounds.Right) / 2, (close->Bounds.Top + close->Bounds.Bottom) / 2};
  SendMessageW(window, WM_NCMOUSEMOVE, HTCAPTION, ScreenPoint(window, centre.x, centre.y));
  EXPECT_EQ(close->ButtonState, TNCButtonState::Hot);
}

TEST_F(WinSkinFormTest, CaptionButtonsLightUpPressAndActOnlyWhenReleasedOverThemselves) {
  HWND window = NewWindow(WS_OVERLAPPEDWINDOW);
  Skin(window);
  const TWinSysButton* close = ButtonOfAction(captionaction::kClose);
  ASSERT_NE(close, nullptr);
  const TPixelRect& b = close->Bounds;
  const LPARAM onClose = ScreenPoint(window, (b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2);
  const LPARAM onTitle = ScreenPoint(window, Widths().Left + 40, Widths().Title / 2);

  SendMessageW(window, WM_NCMOUSEMOVE, HTCAPTION, onClose);
  EXPECT_EQ(close->ButtonState, TNCButtonState::Hot);
  SendMessageW(window, WM_NCMOUSEMOVE, HTCAPTION, onTitle);
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
  Skin(window);
  const LPARAM onTitle = ScreenPoint(window, Widths().Left + 40, Widths().Title / 2);
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
  // The skinner opens it: the system would not, the style being gone.
  bool shown = false;
  theMenuSteps = {[&] { shown = MenuPopupShown(); }};
  const UINT_PTR timer = SetTimer(nullptr, 0, 150, RunMenuStep);
  SendMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, ' ');
  KillTimer(nullptr, timer);
  EXPECT_TRUE(shown);
  EXPECT_EQ(CountLogged(WM_SYSCOMMAND), 0);
}

TEST_F(WinSkinFormTest, AMaximisedWindowIsNotDraggedByItsTitle) {
  HWND window = NewWindow(WS_OVERLAPPEDWINDOW);
  Skin(window);
  const LPARAM onTitle = ScreenPoint(window, Widths().Left + 40, Widths().Title / 2);
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
  const LPARAM onMaximisedTitle = ScreenPoint(window, Widths().Left + 40, Widths().Title / 2);
  SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, onMaximisedTitle);
  ASSERT_EQ(CountLogged(WM_NCLBUTTONDOWN), 2);
  EXPECT_EQ(theLog.back().WParam, static_cast<WPARAM>(HTMENU));
}

TEST_P(WinSkinFormSkinsTest, FramePiecesTitleButtonsAndMenuBarArePaintedFromTheSkinInBothStates) {
  HWND window = NewWindow(WS_OVERLAPPEDWINDOW);
  SetMenu(window, NewMenuBar());
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
  auto titleTextShows = [&](TColour colour) { return RightmostInTitle(window, colour) >= 0; };

  // The bar's top row at its right end, past the buttons, from the bar
  // picture's active or inactive cell (stacked).
  ASSERT_TRUE(skin.MenuBar.has_value());
  auto barMatches = [&](int cell) {
    const TSkinBitmap& bar = skin.MenuBar->Bitmap;
    const COLORREF expected = PictureColour(bar, bar.Width() - 1, (cell - 1) * bar.Height() / 2);
    return ScreenPixel(rect.right - Widths().Right - 1, rect.top + Widths().Title) == expected;
  };
  auto shows = [&](const TPixelRect& area, TColour colour) {
    const COLORREF wanted = ui::ColourToRgb(colour);
    for (int y = area.Top; y < area.Bottom; ++y)
      for (int x = area.Left; x < area.Right; ++x)
        if (ScreenPixel(rect.left + x, rect.top + y) == wanted) return true;
    return false;
  };
  const auto& menuButtons = form.MenuBar()->Buttons();
  EXPECT_TRUE(barMatches(1));
  EXPECT_TRUE(shows(menuButtons[0]->Bounds, skin.MenuBarTextColour));
  EXPECT_TRUE(shows(menuButtons[3]->Bounds, skin.ButtonShadowColour));
  // The mouse over a bar button frames it (the cursor stands there too, or
  // the hover timer lets go of the button).
  const TPixelRect& edit = menuButtons[1]->Bounds;
  SetCursorPos(rect.left + edit.Left + 3, rect.top + edit.Top + 3);
  SendMessageW(window, WM_NCMOUSEMOVE, HTMENU, ScreenPoint(window, edit.Left + 3, edit.Top + 3));
  EXPECT_EQ(menuButtons[1]->ButtonState, TNCButtonState::Hot);
  const COLORREF hilight = ui::ColourToRgb(skin.ButtonHilightColour);
  PumpMessagesUntil([&] { return ScreenPixel(rect.left + edit.Left, rect.top + edit.Top) == hilight; }, 1000);
  EXPECT_EQ(ScreenPixel(rect.left + edit.Left, rect.top + edit.Top), hilight);
  EXPECT_TRUE(shows(edit, skin.MenuBarTextColour));

  const TWinSysButton* close = ButtonOfAction(captionaction::kClose);
  ASSERT_NE(close, nullptr);
  EXPECT_TRUE(leftBorderMatches(1));
  EXPECT_TRUE(buttonShows(*close, 1));
  EXPECT_TRUE(titleTextShows(skin.TitleTextActiveColour));
  SetCursorPos(rect.left + (close->Bounds.Left + close->Bounds.Right) / 2, rect.top + close->Bounds.Top + 2);
  SendMessageW(window, WM_NCMOUSEMOVE, HTCAPTION,
               ScreenPoint(window, (close->Bounds.Left + close->Bounds.Right) / 2, close->Bounds.Top + 2));
  EXPECT_EQ(close->ButtonState, TNCButtonState::Hot);
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
  EXPECT_TRUE(barMatches(2));
  SendMessageW(window, WM_NCMOUSEMOVE, HTCAPTION,
               ScreenPoint(window, (close->Bounds.Left + close->Bounds.Right) / 2, close->Bounds.Top + 2));
  PumpMessagesFor(50);
  EXPECT_TRUE(buttonShows(*close, IdleCaptionButtonFrame(false, close->Record.FrameCount)));
}

TEST_F(WinSkinFormTest, ABorderlessPopupKeepsItsSizeAndIsNotCut) {
  HWND window = NewWindow(WS_POPUP, 312, 311);
  Skin(window);
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

  // Its frame has no room for a skinned bar: a menu of its own stays the system's.
  HWND withMenu = NewWindow(WS_POPUP, 312, 311, 500);
  HMENU menu = NewMenuBar();
  SetMenu(withMenu, menu);
  EXPECT_EQ(Skin(withMenu).MenuBar(), nullptr);
  EXPECT_EQ(GetMenu(withMenu), menu);
}

TEST_F(WinSkinFormTest, ALibraryFormIsRecolouredRepaintsANewCaptionFollowsItsMenuAndIsGivenBackWhole) {
  ui::TForm form(nullptr);
  form.SetCaption("Library form");
  ui::TMenuItem* file = GiveMainMenu(form, "&File", "&Open");
  ui::TMainMenu* menu = form.Menu();
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
  skinner.reset(static_cast<TWinSkinForm*>(CreateFormSkinner(window, &form, *data, *SkinManager()).release()));
  ASSERT_NE(skinner, nullptr);
  SendMessageW(window, SKM_ATTACHED, 0, kAttachedTag);
  EXPECT_EQ(form.Color(), data->Skin().ButtonFaceColour);
  EXPECT_EQ(SizeOf(ClientRect(window)).cx, 300);

  // Where the caption text ends in the title bar as painted.
  auto captionEnd = [&] {
    PumpMessagesFor(50);
    const TSkinSettings& skin = data->Skin();
    return RightmostInTitle(window, skinner->Active() ? skin.TitleTextActiveColour : skin.TitleTextNoActiveColour);
  };
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  const int shortTitleEnd = captionEnd();
  ASSERT_GE(shortTitleEnd, 0);
  seen.clear();
  form.SetCaption("Library form with a much longer caption");
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_UPDATENOW);
  // The caption is stored first, then the frame is recalculated and painted with it.
  ASSERT_GE(seen.size(), 2u);
  EXPECT_EQ(seen[0], static_cast<UINT>(WM_SETTEXT));
  EXPECT_EQ(seen[1], static_cast<UINT>(WM_NCCALCSIZE));
  EXPECT_GT(captionEnd(), shortTitleEnd);

  // A changed menu item is taken into the bar, even while an MDI frame
  // elsewhere holds the skin's menu updates.
  ASSERT_NE(skinner->MenuBar(), nullptr);
  data->SetMenuUpdate(false);
  file->SetCaption("&Document");
  EXPECT_EQ(GetMenu(window), nullptr);
  EXPECT_EQ(skinner->MenuBar()->Buttons().at(0)->Caption, L"&Document");
  data->SetMenuUpdate(true);

  skinner->Unskin();
  EXPECT_EQ(GetMenu(window), menu->Handle());
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
  skinner.reset(static_cast<TWinSkinForm*>(CreateFormSkinner(window, &form, *data, *SkinManager()).release()));
  ASSERT_NE(skinner, nullptr);
  SendMessageW(window, SKM_ATTACHED, 0, kAttachedTag);
  ASSERT_NE(clientTop(), systemClientTop);  // the frame moved the client within the window
  PumpMessagesFor(100);

  // Every pixel of the client, read back from the screen, has the form's colour.
  const SIZE client = SizeOf(ClientRect(window));
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  const std::vector<uint32_t> pixels =
      ScreenPixels(RECT{origin.x, origin.y, origin.x + client.cx, origin.y + client.cy});
  ASSERT_FALSE(pixels.empty());
  const uint32_t wanted = PixelValue(ui::ColourToRgb(form.Color()));
  int firstWrongRow = -1;
  for (std::size_t i = 0; i < pixels.size() && firstWrongRow < 0; ++i)
    if (pixels[i] != wanted) firstWrongRow = static_cast<int>(i) / client.cx;
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
  const TFrameWidths widths = Widths();
  EXPECT_EQ(widths.Title, data->Skin().TopBorder.Bitmap.Height() / data->Skin().TopBorder.FrameCount);
  EXPECT_EQ(form.CaptionButtons().Buttons().size(), data->Skin().SysButtons.size());
  const SIZE size = SizeOf(WindowRect(window));
  EXPECT_EQ(SizeOf(ClientRect(window)).cx, client.right);
  EXPECT_EQ(SizeOf(ClientRect(window)).cy, client.bottom);
  EXPECT_EQ(size.cx, client.right + widths.Left + widths.Right);
  EXPECT_EQ(size.cy, client.bottom + widths.Title + widths.Bottom);
}

TEST_F(WinSkinFormTest, TheHoverTimerLetsGoOfAButtonTheMouseHasLeft) {
  HWND window = NewWindow(WS_OVERLAPPEDWINDOW);
  Skin(window);
  const TWinSysButton* close = ButtonOfAction(captionaction::kClose);
  ASSERT_NE(close, nullptr);
  SetCursorPos(5, 1000);
  SendMessageW(window, WM_NCMOUSEMOVE, HTCAPTION,
               ScreenPoint(window, (close->Bounds.Left + close->Bounds.Right) / 2, close->Bounds.Top + 2));
  ASSERT_EQ(close->ButtonState, TNCButtonState::Hot);
  PumpMessagesUntil([&] { return close->ButtonState == TNCButtonState::Normal; }, 1000);
  EXPECT_EQ(close->ButtonState, TNCButtonState::Normal);
}

TEST_F(WinSkinFormTest, AnMdiFrameAttachesItsNewChildrenWhichGiveTheirFrameToTheSystemWhenMaximised) {
  SkinManager()->RegisterSkinData(data.get());
  SkinManager()->SetEnabled(true);
  ui::TForm frame(nullptr);
  frame.SetFormStyle(ui::TFormStyle::fsMDIForm);
  frame.SetClientSize(600, 450);
  GiveMainMenu(frame, "&Window", "&Cascade");
  frame.Show();
  std::unique_ptr<TFormSkinner> made = CreateFormSkinner(frame.Handle(), &frame, *data, *SkinManager());
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->MdiKind(), TMdiKind::Frame);
  SkinManager()->AddFormSkinner(std::move(made));
  SendMessageW(frame.Handle(), SKM_ATTACHED, 0, kAttachedTag);

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
  EXPECT_EQ(size.cy - client.cy, Widths().Title + Widths().Bottom);
  EXPECT_EQ(GetWindowLongW(childWindow, GWL_STYLE) & WS_SYSMENU, 0);

  // Maximised, the child wears the system's frame again.
  SendMessageW(frame.ClientHandle(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(childWindow), 0);
  PumpMessagesFor(50);
  EXPECT_TRUE(IsZoomed(childWindow));
  EXPECT_NE(GetWindowLongW(childWindow, GWL_STYLE) & WS_SYSMENU, 0);
  // Its minimise, restore and close buttons stand in the frame's skinned bar.
  auto* frameSkinner = dynamic_cast<TWinSkinForm*>(SkinManager()->FindFormSkinner(frame.Handle()));
  ASSERT_NE(frameSkinner, nullptr);
  ASSERT_NE(frameSkinner->MenuBar(), nullptr);
  EXPECT_TRUE(SkinManager()->MdiMaximized());
  const TWinSysButton* mdiClose = nullptr;
  for (const auto& button : frameSkinner->CaptionButtons().Buttons())
    if (button->Record.Action == captionaction::kMdiClose && button->Visible) mdiClose = button.get();
  ASSERT_NE(mdiClose, nullptr);
  const int barTop = Widths().Title;
  EXPECT_GE(mdiClose->Bounds.Top, barTop);
  EXPECT_LE(mdiClose->Bounds.Bottom, barTop + GetSystemMetrics(SM_CYMENU));
  const RECT frameRect = WindowRect(frame.Handle());
  const TSkinBitmap& picture = mdiClose->Record.Bitmap;
  const int cellWidth = picture.Width() / 4;
  // A point where the normal cell (1) and the hot one (4) differ, neither magenta.
  POINT probe{-1, -1};
  for (int y = 0; y < picture.Height() && probe.x < 0; ++y)
    for (int x = 0; x < cellWidth && probe.x < 0; ++x) {
      const COLORREF normal = PictureColour(picture, x, y), hot = PictureColour(picture, 3 * cellWidth + x, y);
      if (normal != kMagenta && hot != kMagenta && normal != hot) probe = POINT{x, y};
    }
  ASSERT_GE(probe.x, 0);
  const POINT onScreen{frameRect.left + mdiClose->Bounds.Left + probe.x,
                       frameRect.top + mdiClose->Bounds.Top + probe.y};
  EXPECT_EQ(ScreenPixel(onScreen.x, onScreen.y), PictureColour(picture, probe.x, probe.y));
  // The mouse over it lights it up in the bar.
  SetCursorPos(onScreen.x, onScreen.y);
  SendMessageW(frame.Handle(), WM_NCMOUSEMOVE, HTMENU, MAKELPARAM(onScreen.x, onScreen.y));
  const COLORREF hot = PictureColour(picture, 3 * cellWidth + probe.x, probe.y);
  PumpMessagesUntil([&] { return ScreenPixel(onScreen.x, onScreen.y) == hot; }, 1000);
  EXPECT_EQ(ScreenPixel(onScreen.x, onScreen.y), hot);
  // Restored, the skin's.
  SendMessageW(frame.ClientHandle(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(childWindow), 0);
  PumpMessagesFor(50);
  EXPECT_FALSE(IsZoomed(childWindow));
  EXPECT_EQ(GetWindowLongW(childWindow, GWL_STYLE) & WS_SYSMENU, 0);
  FreeSkinManager();
}

// --- Skins made from scratch, and input the system delivers ---

// The mouse and keyboard as the user works them, through the system's input queue.
void SendMouse(POINT screen, DWORD buttons) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  input.mi.dx = ((screen.x << 16) + width / 2) / width;
  input.mi.dy = ((screen.y << 16) + height / 2) / height;
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons;
  SendInput(1, &input, sizeof(input));
}
void MoveMouse(POINT screen) {
  SendMouse(screen, 0);
  PumpMessagesFor(60);
}
void ClickAt(POINT screen, bool right = false, int times = 1) {
  SendMouse(screen, 0);
  for (int i = 0; i < times; ++i) {
    SendMouse(screen, right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    SendMouse(screen, right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
  }
}
void PressKeys(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (WORD key : keys) inputs.push_back(INPUT{INPUT_KEYBOARD, {.ki = {key, 0, 0, 0, 0}}});
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key)
    inputs.push_back(INPUT{INPUT_KEYBOARD, {.ki = {*key, 0, KEYEVENTF_KEYUP, 0, 0}}});
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}
POINT Centre(const RECT& window, const TPixelRect& box) {
  return POINT{window.left + (box.Left + box.Right) / 2, window.top + (box.Top + box.Bottom) / 2};
}

// Chooses an item of the shown popup menu with a click.
void ClickShownMenuItem(int item) {
  HWND popup = FindWindowExW(nullptr, nullptr, L"#32768", nullptr);
  while (popup && !IsWindowVisible(popup)) popup = FindWindowExW(nullptr, popup, L"#32768", nullptr);
  RECT rect{};
  if (!popup || !GetMenuItemRect(nullptr, reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0)), item, &rect))
    return;
  ClickAt(POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

// The pairwise set: every value of each setting meets every value of most others.
const TSkinRecipe kRecipes[] = {
    {"Cut, two cells, stretched", true, 2, false, 4, 1, 0, 4, 0, false},
    {"Opaque, one cell, tiled, no margins", false, 1, true, 0, 0, 2, 3, 1, true},
    {"Opaque, margins past the picture", false, 2, false, 100, 2, 6, 1, 2, false},
    {"Cut, one cell, tiled, buttons after the text", true, 1, true, 100, 3, 0, 2, 1, false},
    {"Opaque, tiled, elements missing", false, 2, true, 4, 1, 6, 3, 2, true},
    {"Cut, buttons on the left, elements missing", true, 2, false, 0, 0, 2, 4, 0, true},
};

constexpr SIZE kPlainClient{400, 300};

// Generated skins, with the manager hooked as in a program: windows are
// attached at their first activation.
class GeneratedSkinFrameTest : public WinSkinFormTest {
 protected:
  void UseSkin(const TSkinRecipe& recipe) {
    data->ReadSkinStream(GeneratedSkinStream(recipe));
    ASSERT_FALSE(data->SkinEmpty()) << recipe.Name;
  }
  // The manager hooked, wearing that skin.
  void HookManager(const TSkinRecipe& recipe) {
    UseSkin(recipe);
    HookManager();
  }
  void HookManager() {
    TSkinManage& manager = *SkinManager();
    manager.RegisterSkinData(data.get());
    manager.SetEnabled(true);
    manager.SetStarted(1);
    manager.InstallHook();
  }
  static TWinSkinForm* SkinnerOf(HWND window) {
    return dynamic_cast<TWinSkinForm*>(SkinManager()->FindFormSkinner(window));
  }
  // The skinner the manager attached at the window's activation, once it has
  // fitted the window and the screen shows it.
  static TWinSkinForm* AttachedSkinner(HWND window) {
    PumpMessagesUntil([window] {
      const TWinSkinForm* form = SkinnerOf(window);
      return form && form->State() == TFormSkinnerState::Active;
    });
    PumpMessagesFor(150);
    return SkinnerOf(window);
  }
  HWND NewPlainWindow(DWORD style, DWORD exStyle = 0, HMENU menu = nullptr, int width = kPlainClient.cx,
                      int left = 100) {
    RECT rect{0, 0, width, kPlainClient.cy};
    AdjustWindowRectEx(&rect, style, menu != nullptr, exStyle);
    HWND window = CreateWindowExW(exStyle, PlainClass(), L"Generated", style, left, 120, rect.right - rect.left,
                                  rect.bottom - rect.top, nullptr, menu, GetModuleHandleW(nullptr), nullptr);
    windows.push_back(window);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    return window;
  }
  const TWinSysButton* ButtonOf(HWND window, int action) const {
    for (const auto& button : SkinnerOf(window)->CaptionButtons().Buttons())
      if (button->Record.Action == action && button->Visible) return button.get();
    return nullptr;
  }
};

// What every window wearing a generated skin shows at once, from the screen.
void ExpectFramePainted(HWND window, const TSkinRecipe& recipe, const char* kind) {
  using namespace generatedskin;
  SCOPED_TRACE(std::string(recipe.Name) + ", " + kind);
  const TWinSkinForm* form = dynamic_cast<TWinSkinForm*>(SkinManager()->FindFormSkinner(window));
  ASSERT_NE(form, nullptr);
  const RECT rect = WindowRect(window);
  const SIZE size = SizeOf(rect);
  EXPECT_EQ(ScreenPixel(rect.left + 1, rect.top + size.cy / 2), kLeft);
  EXPECT_EQ(ScreenPixel(rect.right - 2, rect.top + size.cy / 2), kRight);
  EXPECT_EQ(ScreenPixel(rect.left + size.cx / 2, rect.bottom - 2), kBottom);
  EXPECT_EQ(ScreenPixel(rect.left + kSideWidth + 1, rect.top + 1), kTop);
  for (const auto& button : form->CaptionButtons().Buttons()) {
    if (button->Record.Action != captionaction::kClose || !button->Visible) continue;
    const TPixelRect& b = button->Bounds;
    // Buttons placed by the window's edges, rather than by the text, stand where the skin says.
    const int expectedLeft = recipe.ButtonAlign == 0   ? kSideWidth + kButtonOffsets[0] - kButtonSize
                             : recipe.ButtonAlign == 1 ? size.cx - kButtonOffsets[0]
                                                       : b.Left;
    EXPECT_EQ(b.Left, expectedLeft);
    EXPECT_EQ(b.Top, kButtonTop);
    const bool inTitle = b.Left >= kSideWidth && b.Right <= size.cx - kSideWidth;
    EXPECT_TRUE(!inTitle || ScreenPixel(rect.left + b.Left + 4, rect.top + b.Top + 4) == ButtonColour(0, 1));
  }
}

TEST_F(GeneratedSkinFrameTest, EveryWindowKindIsFramedAtOnceInEverySkinAndItsMenuBarAnswers) {
  struct TKind {
    const char* Name;
    DWORD Style, ExStyle;
    bool WithMenu;
  };
  const TKind kinds[] = {{"window with a menu", WS_OVERLAPPEDWINDOW, 0, true},
                         {"tool window", WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, WS_EX_TOOLWINDOW, false},
                         {"dialog", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, WS_EX_DLGMODALFRAME, false}};
  HookManager();
  // One MDI frame, beside the other windows, whose children, opened later, wear each skin in turn.
  ui::TForm frame(nullptr);
  frame.SetFormStyle(ui::TFormStyle::fsMDIForm);
  frame.SetBounds(600, 100, 520, 440);
  GiveMainMenu(frame, "&Window", "&Tile");
  frame.Show();
  ASSERT_NE(AttachedSkinner(frame.Handle()), nullptr);
  // Each skin in a component of its own: a window takes the component loaded last.
  std::vector<std::unique_ptr<TSkinData>> skins;
  for (const TSkinRecipe& recipe : kRecipes) {
    skins.push_back(std::make_unique<TSkinData>(nullptr, ManagerRequests()));
    skins.back()->ReadSkinStream(GeneratedSkinStream(recipe));
    ASSERT_FALSE(skins.back()->SkinEmpty()) << recipe.Name;
    SkinManager()->RegisterSkinData(skins.back().get());
    for (const TKind& kind : kinds) {
      HWND window = NewPlainWindow(kind.Style, kind.ExStyle, kind.WithMenu ? NewMenuBar() : nullptr);
      TWinSkinForm* form = AttachedSkinner(window);
      ASSERT_NE(form, nullptr) << recipe.Name << ", " << kind.Name;
      ExpectFramePainted(window, recipe, kind.Name);
      EXPECT_EQ(SizeOf(ClientRect(window)).cx, kPlainClient.cx) << recipe.Name << ", " << kind.Name;
      EXPECT_EQ(SizeOf(ClientRect(window)).cy, kPlainClient.cy) << recipe.Name << ", " << kind.Name;
      if (!kind.WithMenu) continue;
      ASSERT_NE(form->MenuBar(), nullptr);
      bool opened = false;
      theMenuSteps = {[&] { opened = MenuPopupShown(); }};
      const UINT_PTR timer = SetTimer(nullptr, 0, 150, RunMenuStep);
      ClickAt(Centre(WindowRect(window), form->MenuBar()->Buttons()[0]->Bounds));
      PumpMessagesUntil([&] { return theMenuSteps.empty() && !MenuPopupShown(); });
      KillTimer(nullptr, timer);
      EXPECT_TRUE(opened) << recipe.Name << ": a click on the bar opened no menu";
    }
    SetForegroundWindow(frame.Handle());
    auto* child = new ui::TForm(&frame);
    child->SetFormStyle(ui::TFormStyle::fsMDIChild);
    child->SetClientSize(240, 120);
    child->Show();
    ASSERT_NE(AttachedSkinner(child->Handle()), nullptr) << recipe.Name;
    ExpectFramePainted(child->Handle(), recipe, "MDI child");
    EXPECT_EQ(SizeOf(ClientRect(child->Handle())).cx, 240);
    EXPECT_EQ(SizeOf(ClientRect(child->Handle())).cy, 120);
  }
  // The skinners go before the components they read.
  FreeSkinManager();
}

// Show-state changes, by command and by the mouse, end where the window began.
enum class TStep { Maximize, Minimize, Restore, DoubleClickCaption, ClickMaximize, ClickMinimize };
struct TRestoreCase {
  const char* Name;
  std::vector<TStep> Steps;
};
const TRestoreCase kRestoreCases[] = {
    {"maximise, minimise, restore twice", {TStep::Maximize, TStep::Minimize, TStep::Restore, TStep::Restore}},
    {"double click on the caption twice", {TStep::DoubleClickCaption, TStep::DoubleClickCaption}},
    {"maximise and minimise buttons, restore twice",
     {TStep::ClickMaximize, TStep::ClickMinimize, TStep::Restore, TStep::Restore}},
    {"minimise button, restore", {TStep::ClickMinimize, TStep::Restore}},
};

TEST_F(GeneratedSkinFrameTest, RestoreSequencesGiveTheWindowItsSizeBack) {
  HookManager(kRecipes[1]);
  for (const TRestoreCase& test : kRestoreCases) {
    HWND window = NewPlainWindow(WS_OVERLAPPEDWINDOW);
    ASSERT_NE(AttachedSkinner(window), nullptr);
    const RECT before = WindowRect(window);
    // Every step changes what the window shows.
    const auto shown = [window] { return std::pair{IsZoomed(window) != 0, IsIconic(window) != 0}; };
    for (TStep step : test.Steps) {
      const std::pair<bool, bool> was = shown();
      const RECT rect = WindowRect(window);
      const POINT onTitle{rect.left + 30, rect.top + generatedskin::kTitleHeight / 2};
      switch (step) {
        case TStep::Maximize:
        case TStep::Minimize:
        case TStep::Restore: {
          const WPARAM command = step == TStep::Maximize   ? SC_MAXIMIZE
                                 : step == TStep::Minimize ? SC_MINIMIZE
                                                           : SC_RESTORE;
          PostMessageW(window, WM_SYSCOMMAND, command, 0);
          break;
        }
        case TStep::DoubleClickCaption:
          ClickAt(onTitle, false, 2);
          break;
        case TStep::ClickMaximize:
        case TStep::ClickMinimize: {
          const TWinSysButton* button = ButtonOf(window, step == TStep::ClickMaximize ? 1 : 2);
          ASSERT_NE(button, nullptr) << test.Name;
          ClickAt(Centre(rect, button->Bounds));
          break;
        }
      }
      PumpMessagesUntil([&] { return shown() != was; }, 1000);
      PumpMessagesFor(50);
    }
    EXPECT_FALSE(IsZoomed(window) || IsIconic(window)) << test.Name;
    const RECT after = WindowRect(window);
    EXPECT_EQ(SizeOf(after).cx, SizeOf(before).cx) << test.Name;
    EXPECT_EQ(SizeOf(after).cy, SizeOf(before).cy) << test.Name;
  }
}

// Drags with the mouse: by the caption the window moves, by a border it is
// sized, and a maximised window's caption holds it where it is.
struct TDragCase {
  const char* Name;
  bool Maximised;
  // Where the drag starts, as a fraction of the window's size (in 1/100), or
  // at the border when 100.
  int AtX, AtY;
  SIZE By;
  POINT Moved;
  SIZE Grown;
};
const TDragCase kDragCases[] = {
    {"caption", false, 20, 0, {40, 30}, {40, 30}, {0, 0}},
    {"right border", false, 100, 50, {30, 0}, {0, 0}, {30, 0}},
    {"bottom border", false, 50, 100, {0, 25}, {0, 0}, {0, 25}},
    {"maximised caption", true, 20, 0, {40, 30}, {0, 0}, {0, 0}},
};

TEST_F(GeneratedSkinFrameTest, DragsMoveByTheCaptionSizeByTheBordersAndLeaveAMaximisedWindow) {
  HookManager(kRecipes[1]);
  for (const TDragCase& test : kDragCases) {
    HWND window = NewPlainWindow(WS_OVERLAPPEDWINDOW);
    ASSERT_NE(AttachedSkinner(window), nullptr);
    if (test.Maximised) {
      PostMessageW(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
      PumpMessagesUntil([window] { return IsZoomed(window) != 0; });
    }
    const RECT before = WindowRect(window);
    const SIZE size = SizeOf(before);
    const auto along = [](LONG start, LONG length, int at) {
      return at == 100 ? start + length - 2 : start + length * at / 100;
    };
    const POINT from{along(before.left, size.cx, test.AtX), test.AtY == 0 ? before.top + generatedskin::kTitleHeight / 2
                                                                          : along(before.top, size.cy, test.AtY)};
    const POINT to{from.x + test.By.cx, from.y + test.By.cy};
    // All queued at once: the system's move and size loop, started by the press, reads the rest.
    SendMouse(from, 0);
    SendMouse(from, MOUSEEVENTF_LEFTDOWN);
    SendMouse(POINT{(from.x + to.x) / 2, (from.y + to.y) / 2}, 0);
    SendMouse(to, 0);
    SendMouse(to, MOUSEEVENTF_LEFTUP);
    PumpMessagesFor(300);
    const RECT after = WindowRect(window);
    EXPECT_EQ(after.left - before.left, test.Moved.x) << test.Name;
    EXPECT_EQ(after.top - before.top, test.Moved.y) << test.Name;
    EXPECT_EQ(SizeOf(after).cx - size.cx, test.Grown.cx) << test.Name;
    EXPECT_EQ(SizeOf(after).cy - size.cy, test.Grown.cy) << test.Name;
  }
}

// The system menu, opened as the user opens it, changes the show state:
// the skinned one, or the window's own where the skin leaves it to the system.
struct TSystemMenuCase {
  const char* Name;
  bool ByKeys;  // Alt+Space, else a right click on the caption
  bool SkinnedMenu;
  UINT Command;  // SC_MAXIMIZE or SC_MINIMIZE
};
const TSystemMenuCase kSystemMenuCases[] = {{"right click, maximise", false, true, SC_MAXIMIZE},
                                            {"Alt+Space, minimise", true, true, SC_MINIMIZE},
                                            {"the window's own menu, maximise", false, false, SC_MAXIMIZE}};

// Where the command stands in the shown menu: the skinned system menu has
// maximise second and minimise third; the system's finds it by identifier.
int MenuPosition(const TSystemMenuCase& test) {
  HWND popup = FindWindowExW(nullptr, nullptr, L"#32768", nullptr);
  while (popup && !IsWindowVisible(popup)) popup = FindWindowExW(nullptr, popup, L"#32768", nullptr);
  if (test.SkinnedMenu) return test.Command == SC_MAXIMIZE ? 1 : 2;
  const auto menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
  for (int i = 0; i < GetMenuItemCount(menu); ++i)
    if (GetMenuItemID(menu, i) == test.Command) return i;
  return -1;
}

TEST_F(GeneratedSkinFrameTest, TheSystemMenuOpensByRightClickAndAltSpaceAndItsCommandsWork) {
  HookManager(kRecipes[1]);
  for (const TSystemMenuCase& test : kSystemMenuCases) {
    TSkinControls controls = TSkinControls::Default();
    if (!test.SkinnedMenu) controls.Exclude(TSkinControlType::xcSystemMenu);
    data->SetSkinControls(controls);
    HWND window = NewPlainWindow(WS_OVERLAPPEDWINDOW);
    ASSERT_NE(AttachedSkinner(window), nullptr);
    const RECT rect = WindowRect(window);
    const POINT onTitle{rect.left + 60, rect.top + generatedskin::kTitleHeight / 2};
    bool shown = false;
    theMenuSteps = {[&] {
      shown = MenuPopupShown();
      ClickShownMenuItem(MenuPosition(test));
    }};
    const UINT_PTR timer = SetTimer(nullptr, 0, 200, RunMenuStep);
    if (test.ByKeys) {
      // The keyboard follows the pointer without a window manager.
      MoveMouse(onTitle);
      PressKeys({VK_MENU, VK_SPACE});
    } else {
      ClickAt(onTitle, true);
    }
    PumpMessagesUntil([&] { return theMenuSteps.empty() && !MenuPopupShown(); });
    KillTimer(nullptr, timer);
    PumpMessagesFor(300);
    EXPECT_TRUE(shown) << test.Name;
    EXPECT_EQ(test.Command == SC_MAXIMIZE, IsZoomed(window) != 0) << test.Name;
    EXPECT_EQ(test.Command == SC_MINIMIZE, IsIconic(window) != 0) << test.Name;
  }
}

TEST_F(GeneratedSkinFrameTest, TwoRightClicksOnTheCaptionClose) {
  HookManager(kRecipes[1]);
  HWND window = NewWindow(WS_OVERLAPPEDWINDOW);
  ASSERT_NE(AttachedSkinner(window), nullptr);
  const RECT rect = WindowRect(window);
  const POINT onTitle{rect.left + 60, rect.top + generatedskin::kTitleHeight / 2};
  theMenuSteps = {[&] { ClickAt(onTitle, true); }};
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, RunMenuStep);
  ClickAt(onTitle, true);
  PumpMessagesUntil([] { return CountLogged(WM_CLOSE) > 0; });
  KillTimer(nullptr, timer);
  EXPECT_EQ(CountLogged(WM_CLOSE), 1);
}

// Hover ticks the window's frame skinner had in that time.
int HoverTicks(HWND window, DWORD ms) {
  int ticks = 0;
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < ms) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ticks += msg.message == WM_TIMER && msg.hwnd == window && msg.wParam == TWinSkinForm::kHoverTimerId;
      DispatchMessageW(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return ticks;
}

TEST_F(GeneratedSkinFrameTest, TheHoverTimerRunsOnlyWhileTheMouseIsOverTheFrame) {
  HookManager(kRecipes[0]);
  const POINT away{5, GetSystemMetrics(SM_CYSCREEN) - 5};
  MoveMouse(away);
  HWND window = NewPlainWindow(WS_OVERLAPPEDWINDOW);
  ASSERT_NE(AttachedSkinner(window), nullptr);
  EXPECT_EQ(HoverTicks(window, 700), 0) << "an idle window woke";
  const RECT rect = WindowRect(window);
  MoveMouse(POINT{rect.left + 60, rect.top + generatedskin::kTitleHeight / 2});
  EXPECT_GT(HoverTicks(window, 700), 0) << "no tick over the caption";
  MoveMouse(away);
  PumpMessagesFor(700);
  EXPECT_EQ(HoverTicks(window, 700), 0) << "the timer ran on after the mouse left";
}

// The title bar never shows what it was not drawn from: after each change,
// no black (which no generated piece has) and nothing of a window that lay
// over it, below the cut corners.
TEST_F(GeneratedSkinFrameTest, TheTitleBarShowsOnlyTheSkinsPiecesAfterSkinSizeAndCoverChanges) {
  HookManager(kRecipes[0]);
  HWND window = NewPlainWindow(WS_OVERLAPPEDWINDOW);
  TWinSkinForm* form = AttachedSkinner(window);
  ASSERT_NE(form, nullptr);
  uint32_t foreign = 0;
  auto expectOnlyPieces = [&](const char* change) {
    PumpMessagesFor(150);
    const RECT rect = WindowRect(window);
    const RECT band{rect.left, rect.top + 3, rect.right, rect.top + generatedskin::kTitleHeight};
    const std::vector<uint32_t> pixels = ScreenPixels(band);
    const auto wrong = std::find_if(pixels.begin(), pixels.end(), [&](uint32_t p) { return p == 0 || p == foreign; });
    EXPECT_TRUE(wrong == pixels.end()) << change << ": " << std::hex << *wrong << std::dec << " at column "
                                       << (wrong - pixels.begin()) % SizeOf(band).cx;
    EXPECT_EQ(ScreenPixel(rect.right - 2, rect.top + generatedskin::kTitleHeight / 2), generatedskin::kRight) << change;
  };
  expectOnlyPieces("attached");
  UseSkin(kRecipes[3]);
  form->ReleaseCaptionButtons();
  form->RebuildFrameMetrics();
  form->RefreshSkin();
  expectOnlyPieces("a new skin");
  // A window over the title's right end while the window grows under it, then moved away.
  const RECT rect = WindowRect(window);
  HWND cover = CreateWindowExW(WS_EX_NOACTIVATE, L"STATIC", L"", WS_POPUP | SS_BLACKRECT, rect.right - 40, rect.top, 80,
                               40, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  windows.push_back(cover);
  ShowWindow(cover, SW_SHOWNOACTIVATE);
  PumpMessagesFor(100);
  foreign = PixelValue(ScreenPixel(rect.right - 20, rect.top + 10));
  SetWindowPos(window, nullptr, 0, 0, SizeOf(rect).cx + 30, SizeOf(rect).cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  PumpMessagesFor(100);
  SetWindowPos(cover, nullptr, -400, -400, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  expectOnlyPieces("grown under another window");
}

// The columns of the title between the side borders that show `colour` in
// any of the rows from `top` to `bottom`, in order.
std::vector<int> TitleColumnsOf(HWND window, COLORREF colour, int top, int bottom) {
  const RECT rect = WindowRect(window);
  const int side = generatedskin::kSideWidth;
  const int width = SizeOf(rect).cx - 2 * side;
  const std::vector<uint32_t> pixels =
      ScreenPixels(RECT{rect.left + side, rect.top + top, rect.right - side, rect.top + bottom});
  std::vector<int> columns;
  for (int x = 0; x < width && !pixels.empty(); ++x)
    for (int y = 0; y < bottom - top; ++y)
      if (pixels[static_cast<std::size_t>(y) * width + x] == PixelValue(colour)) {
        columns.push_back(side + x);
        break;
      }
  return columns;
}

// Where the caption text goes: the same in either activation, never under
// the buttons at the title's ends, cut short in a narrow window.
struct TCaptionTextCase {
  const char* Name;
  TSkinRecipe Recipe;
  DWORD Style, ExStyle;
  int ClientWidth;
  const wchar_t* Caption;
};
const TCaptionTextCase kCaptionTextCases[] = {
    {"dialog", kRecipes[0], WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, kPlainClient.cx, L"Dialog"},
    {"right to left, little room on the right",
     {.ButtonAlign = 1, .TextRightClip = 4},
     WS_OVERLAPPEDWINDOW,
     WS_EX_LEFTSCROLLBAR,
     kPlainClient.cx,
     L"Right to left"},
    {"narrow, right-aligned, buttons on the left",
     {.ButtonAlign = 0, .TitleAlignment = 2, .TextRightClip = 4},
     WS_OVERLAPPEDWINDOW,
     0,
     200,
     L"Help: a caption far too long for this narrow window"},
};

TEST_F(GeneratedSkinFrameTest, CaptionTextKeepsItsPlaceInEitherActivationAndStaysOffTheButtons) {
  HookManager();
  for (const TCaptionTextCase& test : kCaptionTextCases) {
    UseSkin(test.Recipe);
    HWND window = NewPlainWindow(test.Style, test.ExStyle, nullptr, test.ClientWidth);
    SetWindowTextW(window, test.Caption);
    TWinSkinForm* form = AttachedSkinner(window);
    ASSERT_NE(form, nullptr) << test.Name;
    const int width = SizeOf(WindowRect(window)).cx;
    const auto [freeLeft, freeRight] =
        form->CaptionButtons().FreeTitleSpan(generatedskin::kSideWidth, width - generatedskin::kSideWidth);
    // The text background fills the title's height; its second row has no text on it.
    const std::vector<int> active = TitleColumnsOf(window, generatedskin::kTextBack, 1, 2);
    ASSERT_FALSE(active.empty()) << test.Name;
    EXPECT_GE(active.front(), freeLeft) << test.Name;
    EXPECT_LE(active.back(), freeRight) << test.Name;
    // No caption text under the buttons at either end.
    const std::vector<int> text = TitleColumnsOf(window, generatedskin::kTitleText, 2, generatedskin::kTitleHeight - 2);
    ASSERT_FALSE(text.empty()) << test.Name;
    EXPECT_GE(text.front(), freeLeft) << test.Name;
    EXPECT_LE(text.back(), freeRight) << test.Name;
    // Another window takes activation: the inactive background spans the same columns.
    NewPlainWindow(WS_OVERLAPPEDWINDOW, 0, nullptr, 200, 700);
    PumpMessagesUntil([form] { return !form->Active(); });
    PumpMessagesFor(150);
    EXPECT_EQ(TitleColumnsOf(window, generatedskin::kTextBackInactive, 1, 2), active) << test.Name;
  }
}

TEST_F(GeneratedSkinFrameTest, SkinningSwitchedOffLeavesOnlyTheActiveWindowWithAnActiveCaption) {
  HookManager(kRecipes[1]);
  HWND first = NewPlainWindow(WS_OVERLAPPEDWINDOW);
  ASSERT_NE(AttachedSkinner(first), nullptr);
  HWND second = NewPlainWindow(WS_OVERLAPPEDWINDOW, 0, nullptr, kPlainClient.cx, 600);
  ASSERT_NE(AttachedSkinner(second), nullptr);
  SkinManager()->SetStarted(0);
  SkinManager()->ScheduleAction(TSkinAction::Deactivate, 0);
  SkinManager()->SetPendingSkinData(data.get());
  SkinManager()->RunPendingAction();
  ASSERT_NE(SendMessageW(first, SKM_QUERYSKINNED, 0, 0), kSkinnedAnswer);
  PumpMessagesFor(200);
  // The system's captions, row by row: the inactive window's differs from the active one's.
  auto caption = [](HWND window) {
    const RECT rect = WindowRect(window);
    POINT client{0, 0};
    ClientToScreen(window, &client);
    return ScreenPixels(
        RECT{rect.left + 30, (rect.top + client.y) / 2, rect.right - 80, (rect.top + client.y) / 2 + 1});
  };
  EXPECT_NE(caption(first), caption(second));
}

TEST_F(GeneratedSkinFrameTest, AnMdiFramesTitleAndBarFollowItsChildrenWhichOpenAtOneSize) {
  HookManager(kRecipes[0]);
  ui::TForm frame(nullptr);
  frame.SetFormStyle(ui::TFormStyle::fsMDIForm);
  frame.SetCaption("MDI window");
  frame.SetClientSize(600, 420);
  GiveMainMenu(frame, "&Window", "&Tile");
  frame.Show();
  TWinSkinForm* frameSkinner = AttachedSkinner(frame.Handle());
  ASSERT_NE(frameSkinner, nullptr);
  std::vector<ui::TForm*> children;
  for (int i = 1; i <= 3; ++i) {
    auto* child = new ui::TForm(&frame);
    child->SetFormStyle(ui::TFormStyle::fsMDIChild);
    child->SetCaption("Child " + std::to_string(i));
    child->SetClientSize(240, 120);
    child->Show();
    children.push_back(child);
  }
  // As the gallery opens them: cascaded at once.
  frame.Cascade();
  PumpMessagesUntil([&] {
    return std::all_of(children.begin(), children.end(), [](ui::TForm* child) {
      return SendMessageW(child->Handle(), SKM_QUERYSKINNED, 0, 0) == kSkinnedAnswer;
    });
  });
  PumpMessagesFor(150);
  for (ui::TForm* child : children) {
    EXPECT_EQ(SendMessageW(child->Handle(), SKM_QUERYSKINNED, 0, 0), kSkinnedAnswer);
    EXPECT_EQ(SizeOf(WindowRect(child->Handle())).cx, SizeOf(WindowRect(children[0]->Handle())).cx);
    EXPECT_EQ(SizeOf(WindowRect(child->Handle())).cy, SizeOf(WindowRect(children[0]->Handle())).cy);
  }
  // Where the caption's text ends, from the screen.
  auto captionEnd = [&] {
    PumpMessagesFor(150);
    const RECT rect = WindowRect(frame.Handle());
    const int right = frameSkinner->CaptionButtons().RightButtonsLeft();
    const std::vector<uint32_t> title = ScreenPixels(RECT{rect.left, rect.top, rect.left + right, rect.top + 26});
    const uint32_t text = PixelValue(generatedskin::kTitleText);
    for (int x = right; x-- > 0;)
      for (int y = 0; y < 26; ++y)
        if (title[static_cast<std::size_t>(y) * right + x] == text) return x;
    return -1;
  };
  const int plainEnd = captionEnd();
  SendMessageW(frame.ClientHandle(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(children[2]->Handle()), 0);
  EXPECT_GT(captionEnd(), plainEnd) << "the title did not take the child's caption";
  auto mdiButtonsShown = [&] {
    for (const auto& button : frameSkinner->CaptionButtons().Buttons())
      if (button->Record.Action == captionaction::kMdiClose && button->Visible) return true;
    return false;
  };
  EXPECT_TRUE(mdiButtonsShown());
  // The maximised child closes, then the others: the bar loses its buttons.
  for (auto child = children.rbegin(); child != children.rend(); ++child) delete *child;
  PumpMessagesFor(200);
  EXPECT_FALSE(SkinManager()->MdiMaximized());
  EXPECT_FALSE(mdiButtonsShown());
  EXPECT_EQ(captionEnd(), plainEnd);
  FreeSkinManager();
}

}  // namespace
}  // namespace skin
