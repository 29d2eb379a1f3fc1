// skinview.exe as a skin author starts it: with each built-in skin, with a
// skin file, and with a file that is missing or no skin.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "real_input.h"
#include "running_program.h"
#include "screen_pixels.h"

namespace window_test {
namespace {

constexpr UINT kQuerySkinned = 0x3504;  // a skinned window answers 1

// The gallery's main window once it is shown with the caption of a skin.
HWND GalleryWindow(const TProgram& program) {
  return WaitForWindow([&program]() -> HWND {
    for (HWND window : TopLevelWindows(L"TSkinViewForm", program.Id()))
      if (IsWindowVisible(window) && WindowText(window).starts_with(L"Skin Viewer - ")) return window;
    return nullptr;
  });
}

std::vector<HWND> MessageBoxes(const TProgram& program) {
  std::vector<HWND> shown;
  for (HWND box : TopLevelWindows(L"#32770", program.Id()))
    if (IsWindowVisible(box)) shown.push_back(box);
  return shown;
}

// The message of a message box, however long (the path in it can be).
std::wstring BoxText(HWND box) {
  for (HWND label = ChildWindow(box, L"Static"); label; label = FindWindowExW(box, label, L"Static", nullptr)) {
    if (std::wstring text = WindowText(label); !text.empty()) return text;
  }
  return {};
}

// Brightness (0-255) of the screen pixel at (x, y) of the window's rectangle;
// a negative coordinate counts from the right or bottom edge (-1: the last pixel).
int Brightness(HWND window, int x, int y) {
  RECT bounds;
  GetWindowRect(window, &bounds);
  HDC screen = GetDC(nullptr);
  const COLORREF pixel =
      GetPixel(screen, x < 0 ? bounds.right + x : bounds.left + x, y < 0 ? bounds.bottom + y : bounds.top + y);
  ReleaseDC(nullptr, screen);
  return (299 * GetRValue(pixel) + 587 * GetGValue(pixel) + 114 * GetBValue(pixel)) / 1000;
}

// ASCII text for a failure message.
std::string Narrow(std::wstring_view text) { return std::string(text.begin(), text.end()); }

// Two rows below the window's top edge, 40 pixels in: the title bar, away from the caption text.
int TitleBrightness(HWND window) { return Brightness(window, 40, 2); }

// The shown windows of a class anywhere in `parent`.
std::vector<HWND> ShownDescendants(HWND parent, const wchar_t* className) {
  struct TSearch {
    const wchar_t* ClassName;
    std::vector<HWND> Found;
  } search{className, {}};
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM context) {
        auto* search = reinterpret_cast<TSearch*>(context);
        wchar_t name[64] = L"";
        GetClassNameW(child, name, 64);
        if (lstrcmpiW(name, search->ClassName) == 0 && IsWindowVisible(child)) search->Found.push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

// A shown top-level window of the program with that class and caption, or nullptr.
HWND ShownWindow(const TProgram& program, const wchar_t* className, const std::wstring& caption) {
  for (HWND candidate : TopLevelWindows(className, program.Id()))
    if (IsWindowVisible(candidate) && WindowText(candidate) == caption) return candidate;
  return nullptr;
}

// That window once it is shown and skinned.
HWND SkinnedWindow(const TProgram& program, const wchar_t* className, const std::wstring& caption) {
  HWND window = WaitForWindow([&] { return ShownWindow(program, className, caption); });
  if (window && !WaitFor([window] { return SendMessageW(window, kQuerySkinned, 0, 0) == 1; })) return nullptr;
  return window;
}

// Chooses a menu item that opens a window and returns the window once it is
// shown and skinned.
HWND OpenFromMenu(const TProgram& program, HWND window, wchar_t menuKey, wchar_t itemKey, const wchar_t* className,
                  const std::wstring& caption) {
  ChooseMenuItemUntil(window, menuKey, itemKey, [&] { return ShownWindow(program, className, caption) != nullptr; });
  return SkinnedWindow(program, className, caption);
}

int ChildCount(HWND parent) {
  int count = 0;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) ++count;
  return count;
}

TEST(SkinView, OpensSizeableWithTheDefaultSkinAndSwitchesBetweenTheBuiltInSkins) {
  TProgram gallery(WinePath(SKINVIEW_EXE));
  ASSERT_TRUE(gallery.Started());
  HWND window = GalleryWindow(gallery);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(WindowText(window), L"Skin Viewer - Rilvanta Beige");
  EXPECT_TRUE(WaitFor([window] { return SendMessageW(window, kQuerySkinned, 0, 0) == 1; })) << "never skinned";
  // Skinning takes the menu bar into the frame and fits the window to keep
  // the client area; the size is the one asked for once that is done.
  RECT client{};
  EXPECT_TRUE(WaitFor(
      [&] {
        GetClientRect(window, &client);
        return client.right == 640 && client.bottom == 480;
      },
      std::chrono::seconds(10)))
      << client.right << " x " << client.bottom;
  EXPECT_TRUE(GetWindowLongW(window, GWL_STYLE) & WS_THICKFRAME);
  EXPECT_TRUE(WaitFor([window] { return TitleBrightness(window) > 180; })) << "no beige title bar";
  EXPECT_TRUE(MessageBoxes(gallery).empty());

  EXPECT_TRUE(ChooseMenuItemUntil(window, L's', L'k',  // "Dar&k skin"
                                  [window] { return WindowText(window) == L"Skin Viewer - Rilvanta Night"; }));
  EXPECT_TRUE(WaitFor([window] { return TitleBrightness(window) < 110; })) << "the title bar stayed light";
  EXPECT_TRUE(ChooseMenuItemUntil(window, L's', L'd',  // "&Default skin"
                                  [window] { return WindowText(window) == L"Skin Viewer - Rilvanta Beige"; }));
  EXPECT_TRUE(WaitFor([window] { return TitleBrightness(window) > 180; })) << "the title bar stayed dark";
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 640) << "switching skins keeps the client area";
  EXPECT_EQ(client.bottom, 480);

  ChooseMenuItem(window, L's', L'n');  // "Skinni&ng" off
  EXPECT_TRUE(WaitFor([window] { return SendMessageW(window, kQuerySkinned, 0, 0) == 0; })) << "still skinned";
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 640) << "the system frame comes back around the same client area";
  EXPECT_EQ(client.bottom, 480);
  ChooseMenuItem(window, L's', L'n');  // and on again
  EXPECT_TRUE(WaitFor([window] { return SendMessageW(window, kQuerySkinned, 0, 0) == 1; })) << "not skinned again";
}

// Where a control's skinner paints dark in the dark skin and the system paints
// light: a button's face away from caption and glyph, an edit box's outer
// border line, the face of an up-down control, a progress bar's track along
// its top edge (which its bar leaves out), a panel's face, the top edge of a
// check box's box or a radio button's circle (above any text beside it).
struct TDarkPoint {
  const wchar_t* ClassName;
  int X, Y;  // as Brightness takes them
};
constexpr TDarkPoint kSkinnedLooks[] = {{L"TButton", -6, -6},   {L"TBitBtn", -6, -6},     {L"TEdit", -1, -1},
                                        {L"TSpinEdit", -1, -1}, {L"TMemo", -1, -1},       {L"msctls_updown32", 3, 3},
                                        {L"TUpDown", 3, 3},     {L"TProgressBar", -4, 1}, {L"TPanel", -4, -4},
                                        {L"TCheckBox", 2, 2},   {L"TRadioButton", 6, 2},  {L"THeaderControl", 2, 2},
                                        {L"SysHeader32", 2, 2}};
// The band across the dark skin's track-bar thumb in each of its states (hot
// and focused, normal, pressed, disabled): a skinned thumb shows one of them.
constexpr COLORREF kDarkThumbBands[] = {RGB(120, 200, 222), RGB(64, 170, 200), RGB(36, 112, 140), RGB(70, 74, 82)};

// Whether any pixel of the window on the screen has one of those colours.
bool ShowsThumbBand(HWND window) {
  RECT bounds;
  GetWindowRect(window, &bounds);
  const std::vector<std::uint32_t> pixels = ScreenPixels(bounds);
  return std::ranges::any_of(kDarkThumbBands, [&pixels](COLORREF colour) {
    const std::uint32_t wanted = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    return std::ranges::find(pixels, wanted) != pixels.end();
  });
}

// The gallery started with the dark skin file, its window shown and skinned.
class DarkSkinView : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(gallery.Started());
    window = GalleryWindow(gallery);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitFor([this] { return SendMessageW(window, kQuerySkinned, 0, 0) == 1; }));
  }

  TProgram gallery{WinePath(SKINVIEW_EXE), L"\"" + WinePath(DARK_SKIN_FILE) + L"\""};
  HWND window = nullptr;
};

TEST_F(DarkSkinView, ShowsEachPageOfControlsWearingTheSkin) {
  const auto shownPage = [this]() -> std::wstring {
    const std::vector<HWND> pages = ShownDescendants(window, L"TControlPage");
    return pages.size() == 1 ? WindowText(pages.front()) : L"";
  };
  EXPECT_EQ(shownPage(), L"Buttons") << "the first page is shown first";

  struct TPage {
    wchar_t Key;
    const wchar_t* Name;
  };
  for (const TPage& page :
       {TPage{L'e', L"Edit boxes"}, TPage{L'p', L"Panels and labels"}, TPage{L'r', L"Progress bars"},
        TPage{L't', L"Track bars"}, TPage{L'u', L"Up-down controls"}, TPage{L'k', L"Check boxes and radio buttons"},
        TPage{L'l', L"Lists and headers"}, TPage{L'b', L"Buttons"}}) {
    SCOPED_TRACE(Narrow(page.Name));
    ASSERT_TRUE(ChooseMenuItemUntil(window, L'c', page.Key, [&] { return shownPage() == page.Name; }));
    const HWND shown = ShownDescendants(window, L"TControlPage").front();
    EXPECT_TRUE(WaitFor([shown] { return Brightness(shown, -4, -4) < 110; })) << "the page keeps the system's face";
    int looked = 0;
    for (const TDarkPoint& look : kSkinnedLooks) {
      for (HWND control : ShownDescendants(shown, look.ClassName)) {
        ++looked;
        EXPECT_TRUE(WaitFor([&] { return Brightness(control, look.X, look.Y) < 110; }, std::chrono::seconds(5)))
            << Narrow(look.ClassName) << " \"" << Narrow(WindowText(control)) << "\" is not skinned";
      }
    }
    for (HWND bar : ShownDescendants(shown, L"TTrackBar")) {
      ++looked;
      EXPECT_TRUE(WaitFor([bar] { return ShowsThumbBand(bar); }, std::chrono::seconds(5)))
          << "a track bar's thumb is not skinned";
    }
    EXPECT_GE(looked, 3) << "too few controls looked at";
  }
}

// The file is then cut short, as a failed write would leave it: Reload names
// the fault and the skin already worn stays.
TEST(SkinView, WearsTheSkinFileGivenOnItsCommandLineAndKeepsItWhenTheFileIsCut) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() / "skinview-cut-test.skn";
  std::filesystem::copy_file(WinePath(DARK_SKIN_FILE), file, std::filesystem::copy_options::overwrite_existing);
  TProgram gallery(WinePath(SKINVIEW_EXE), L"\"" + file.wstring() + L"\"");
  ASSERT_TRUE(gallery.Started());
  HWND window = GalleryWindow(gallery);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(WindowText(window), L"Skin Viewer - Rilvanta Night");
  EXPECT_TRUE(WaitFor([window] { return SendMessageW(window, kQuerySkinned, 0, 0) == 1; }));
  EXPECT_TRUE(WaitFor([window] { return TitleBrightness(window) < 110; })) << "no dark title bar";
  EXPECT_TRUE(MessageBoxes(gallery).empty()) << "a good skin file needs no message";

  std::filesystem::resize_file(file, std::filesystem::file_size(file) / 2);
  ASSERT_TRUE(ChooseMenuItemUntil(window, L's', L'r', [&gallery] { return !MessageBoxes(gallery).empty(); }));
  HWND box = MessageBoxes(gallery)[0];
  const std::wstring text = BoxText(box);
  EXPECT_NE(text.find(L"cut short"), std::wstring::npos) << Narrow(text);
  EXPECT_NE(text.find(L"The skin shown before stays."), std::wstring::npos) << Narrow(text);
  SendMessageW(ChildWindow(box, L"Button"), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitFor([&gallery] { return MessageBoxes(gallery).empty(); }));
  EXPECT_EQ(WindowText(window), L"Skin Viewer - Rilvanta Night");
  EXPECT_EQ(SendMessageW(window, kQuerySkinned, 0, 0), 1);
  EXPECT_TRUE(WaitFor([window] { return TitleBrightness(window) < 110; })) << "the dark title bar is gone";
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(gallery.WaitForExit(30000), std::optional<DWORD>(0));
  std::filesystem::remove(file);
}

TEST_F(DarkSkinView, OpensEveryKindOfWindowInTheSkin) {
  HWND tool = OpenFromMenu(gallery, window, L'w', L't', L"TForm", L"Tool window");
  EXPECT_NE(tool, nullptr) << "tool window";
  HWND mdi = OpenFromMenu(gallery, window, L'w', L'i', L"TForm", L"MDI window");
  ASSERT_NE(mdi, nullptr) << "MDI window";
  HWND client = ChildWindow(mdi, L"MDIClient");
  ASSERT_NE(client, nullptr);
  EXPECT_TRUE(WaitFor([client] { return ChildCount(client) == 3; })) << "three MDI children";
  const auto maximised = [client] {
    for (HWND child = GetWindow(client, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      if (IsZoomed(child)) return true;
    return false;
  };
  EXPECT_TRUE(ChooseMenuItemUntil(mdi, L'w', L'm', maximised)) << "the active child maximised";
  EXPECT_EQ(SendMessageW(mdi, kQuerySkinned, 0, 0), 1) << "the frame stays skinned with a maximised child";
  HWND rightToLeft = OpenFromMenu(gallery, window, L'w', L'r', L"TRightToLeftForm", L"Right-to-left window");
  EXPECT_NE(rightToLeft, nullptr) << "right-to-left window";
  // Closed before the bare window opens, as the gallery soak does: with both
  // still open a clean-clone run twice saw no bare window come up.
  for (HWND opened : {tool, mdi, rightToLeft}) {
    PostMessageW(opened, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor([opened] { return !IsWindow(opened) || !IsWindowVisible(opened); }));
  }
  HWND bare = OpenFromMenu(gallery, window, L'w', L'b', L"SkinViewBareWindow", L"Bare Win32 window");
  ASSERT_NE(bare, nullptr) << "bare window";
  for (const wchar_t* kind : {L"Button", L"Edit", L"ComboBox", L"ScrollBar", L"SysTabControl32"})
    EXPECT_NE(ChildWindow(bare, kind), nullptr) << std::string(kind, kind + lstrlenW(kind));

  // The modal ones, each closed before the next opens.
  struct TModal {
    wchar_t Key;
    const wchar_t* ClassName;
    const wchar_t* Caption;
  };
  for (const TModal& modal : {TModal{L's', L"#32770", L"System dialog"}, TModal{L'd', L"TForm", L"Dialog"},
                              TModal{L'm', L"TMessageForm", L"Skin Viewer"}}) {
    HWND dialog = OpenFromMenu(gallery, window, L'w', modal.Key, modal.ClassName, modal.Caption);
    ASSERT_NE(dialog, nullptr) << std::string(modal.Caption, modal.Caption + lstrlenW(modal.Caption));
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor([dialog] { return !IsWindow(dialog) || !IsWindowVisible(dialog); })) << "closing ends it";
  }
}

// The focused window of the gallery's thread.
HWND FocusOf(HWND window) {
  GUITHREADINFO thread{};
  thread.cbSize = sizeof(thread);
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
  return thread.hwndFocus;
}

bool MenuOpen(HWND window) {
  GUITHREADINFO thread{};
  thread.cbSize = sizeof(thread);
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread) && (thread.flags & GUI_INMENUMODE);
}

RECT ScreenRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

POINT Centre(const RECT& rect) { return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

// Alt and a menu's letter, pressed on the keyboard, open that menu of the bar
// whatever control has the focus, and type nothing into it.
TEST_F(DarkSkinView, AltAndAMenusLetterOpensTheMenuFromEveryKindOfFocusedControl) {
  struct TFocused {
    wchar_t PageKey;
    const wchar_t* ClassName;  // the first shown control of the class on the page takes the click
    const wchar_t* Inner;      // the child that takes the focus, when the control has one
  };
  for (const TFocused& focused :
       {TFocused{L'e', L"TEdit", nullptr}, TFocused{L'b', L"TButton", nullptr}, TFocused{L'k', L"TCheckBox", nullptr},
        TFocused{L'l', L"TListView", nullptr}, TFocused{L'c', L"TComboBox", L"Edit"}}) {
    SCOPED_TRACE(Narrow(focused.ClassName));
    ASSERT_TRUE(ChooseMenuItemUntil(window, L'c', focused.PageKey, [&] {
      const std::vector<HWND> pages = ShownDescendants(window, L"TControlPage");
      return pages.size() == 1 && !ShownDescendants(pages.front(), focused.ClassName).empty();
    }));
    const HWND page = ShownDescendants(window, L"TControlPage").front();
    const std::vector<HWND> shown = ShownDescendants(page, focused.ClassName);
    const auto enabled = std::ranges::find_if(shown, [](HWND control) { return IsWindowEnabled(control) != 0; });
    ASSERT_NE(enabled, shown.end());
    HWND control = focused.Inner ? ChildWindow(*enabled, focused.Inner) : *enabled;
    ASSERT_NE(control, nullptr);
    SetForegroundWindow(window);
    ASSERT_TRUE(WaitFor([this] { return GetForegroundWindow() == window; }));
    real_input::ClickAt(Centre(ScreenRect(control)));
    ASSERT_TRUE(WaitFor([&] { return FocusOf(window) == control; }, std::chrono::seconds(10)))
        << std::hex << FocusOf(window) << " has the focus, not " << control;
    const std::wstring text = WindowText(control);
    real_input::PressKeyWith(VK_MENU, 'S');
    EXPECT_TRUE(WaitFor([this] { return MenuOpen(window); }, std::chrono::seconds(10))) << "no menu opened";
    EXPECT_EQ(WindowText(control), text) << "the letter was typed";
    real_input::PressKey(VK_ESCAPE);
    real_input::PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitFor([this] { return !MenuOpen(window); }));
  }
}

// The shown menu popup window of the gallery, or nullptr.
HWND ShownPopup(const TProgram& program) {
  for (HWND popup : TopLevelWindows(L"#32768", program.Id()))
    if (IsWindowVisible(popup)) return popup;
  return nullptr;
}

// A click on the title of the menu that is open closes it, as it opened it.
TEST_F(DarkSkinView, ClickingTheTitleOfTheOpenMenuClosesIt) {
  SetForegroundWindow(window);
  ASSERT_TRUE(WaitFor([this] { return GetForegroundWindow() == window; }));
  real_input::PressKeyWith(VK_MENU, 'S');
  HWND popup = WaitForWindow([this] { return ShownPopup(gallery); });
  ASSERT_NE(popup, nullptr);
  // The popup hangs from its title's bottom-left corner.
  const RECT below = ScreenRect(popup);
  real_input::ClickAt(POINT{below.left + 8, below.top - 6});
  EXPECT_TRUE(WaitFor([this] { return !MenuOpen(window); }, std::chrono::seconds(10))) << "the menu stayed open";
  real_input::WaitForInputToRest();
  Sleep(500);  // a popup opened again by the click would show by now
  EXPECT_FALSE(MenuOpen(window)) << "the click opened the menu again";
  EXPECT_EQ(ShownPopup(gallery), nullptr);
}

// However the user closes the gallery, with every kind of window it opens
// still open, the program ends by itself with exit code 0.
TEST(SkinView, EndsWithCodeZeroHoweverItIsClosedWithEveryWindowOpen) {
  struct TClosing {
    const char* Name;
    void (*Close)(HWND gallery);
  };
  for (const TClosing& closing : {TClosing{"Skin > Exit", [](HWND gallery) { ChooseMenuItem(gallery, L's', L'x'); }},
                                  TClosing{"Alt+F4",
                                           [](HWND gallery) {
                                             SetForegroundWindow(gallery);
                                             WaitFor([gallery] { return GetForegroundWindow() == gallery; });
                                             real_input::PressKeyWith(VK_MENU, VK_F4);
                                           }},
                                  TClosing{"WM_CLOSE", [](HWND gallery) { PostMessageW(gallery, WM_CLOSE, 0, 0); }}}) {
    SCOPED_TRACE(closing.Name);
    TProgram gallery(WinePath(SKINVIEW_EXE));
    ASSERT_TRUE(gallery.Started());
    HWND window = GalleryWindow(gallery);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitFor([window] { return SendMessageW(window, kQuerySkinned, 0, 0) == 1; }));
    EXPECT_NE(OpenFromMenu(gallery, window, L'w', L't', L"TForm", L"Tool window"), nullptr);
    EXPECT_NE(OpenFromMenu(gallery, window, L'w', L'i', L"TForm", L"MDI window"), nullptr);
    EXPECT_NE(OpenFromMenu(gallery, window, L'w', L'r', L"TRightToLeftForm", L"Right-to-left window"), nullptr);
    EXPECT_NE(OpenFromMenu(gallery, window, L'w', L'b', L"SkinViewBareWindow", L"Bare Win32 window"), nullptr);
    closing.Close(window);
    EXPECT_EQ(gallery.WaitForExit(30000), std::optional<DWORD>(0));
  }
}

// The skin reader's own complaint about an older archive joins the message
// rather than raising a box of its own.
TEST(SkinView, AMissingFileOrOneThatIsNoSkinGivesOneMessageAndTheDefaultSkin) {
  for (const std::wstring& file :
       {WinePath(NOT_A_SKIN_FILE), WinePath(OLDER_SKIN_FILE), std::wstring(L"Z:\\no\\such\\folder\\none.skn")}) {
    SCOPED_TRACE(std::string(file.begin(), file.end()));
    TProgram gallery(WinePath(SKINVIEW_EXE), L"\"" + file + L"\"");
    ASSERT_TRUE(gallery.Started());
    HWND box = WaitForWindow([&gallery] { return MessageBoxes(gallery).empty() ? nullptr : MessageBoxes(gallery)[0]; });
    ASSERT_NE(box, nullptr) << "no message";
    const std::wstring text = BoxText(box);
    EXPECT_NE(text.find(file), std::wstring::npos)
        << "the message names the file: " << std::string(text.begin(), text.end());
    EXPECT_NE(text.find(L"default skin"), std::wstring::npos) << std::string(text.begin(), text.end());
    if (file == WinePath(OLDER_SKIN_FILE)) {
      EXPECT_NE(text.find(L"Older Skin File"), std::wstring::npos) << std::string(text.begin(), text.end());
    }
    EXPECT_EQ(MessageBoxes(gallery).size(), 1u);
    HWND window = GalleryWindow(gallery);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WindowText(window), L"Skin Viewer - Rilvanta Beige");
    SendMessageW(ChildWindow(box, L"Button"), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitFor([&gallery] { return MessageBoxes(gallery).empty(); }));
    EXPECT_EQ(gallery.WaitForExit(0), std::nullopt) << "the gallery stays open";
  }
}

}  // namespace
}  // namespace window_test
