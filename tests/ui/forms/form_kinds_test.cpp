// The kinds of form: border styles and caption icons, MDI frames and
// children, the menu bar, files dropped on a form.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

#include "text/gbk.h"
#include "ui/forms/application.h"
#include "ui/forms/form.h"
#include "ui/forms/screen.h"
#include "ui/menus/main_menu.h"
#include "ui/menus/popup_menu.h"

namespace {

constexpr DWORD kFrameBits = WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
constexpr DWORD kFrameExBits = WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW;

DWORD StyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)); }
DWORD ExStyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)); }

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = L"";
  GetClassNameW(window, name, 64);
  return name;
}

RECT ClientOf(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  return client;
}

TEST(FormKinds, EachBorderStyleAndItsIconsGiveTheirWindowStyles) {
  using ui::TFormBorderStyle;
  const ui::TBorderIcons all = ui::biSystemMenu | ui::biMinimize | ui::biMaximize;
  struct TCase {
    TFormBorderStyle Border;
    ui::TBorderIcons Icons;
    DWORD Style, ExStyle;
  } cases[] = {
      {TFormBorderStyle::bsSizeable, all, WS_OVERLAPPEDWINDOW, 0},
      {TFormBorderStyle::bsSizeable, ui::biMinimize, WS_CAPTION | WS_THICKFRAME, 0},  // buttons need the system menu
      {TFormBorderStyle::bsSingle, ui::biSystemMenu | ui::biMinimize, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0},
      {TFormBorderStyle::bsDialog, all, WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME},
      {TFormBorderStyle::bsToolWindow, all, WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW},
      {TFormBorderStyle::bsSizeToolWin, all, WS_CAPTION | WS_THICKFRAME | WS_SYSMENU, WS_EX_TOOLWINDOW},
      {TFormBorderStyle::bsNone, all, WS_POPUP | WS_SYSMENU, 0},
      {TFormBorderStyle::bsNone, 0, WS_POPUP, 0},
  };
  for (const TCase& each : cases) {
    ui::TForm form(nullptr);
    form.SetBorderStyle(each.Border);
    form.SetBorderIcons(each.Icons);
    form.SetClientSize(200, 100);
    SCOPED_TRACE(static_cast<int>(each.Border));
    EXPECT_EQ(StyleOf(form.Handle()) & kFrameBits, each.Style);
    EXPECT_EQ(ExStyleOf(form.Handle()) & kFrameExBits, each.ExStyle);
    EXPECT_EQ(GetSystemMenu(form.Handle(), FALSE) != nullptr, (each.Style & WS_SYSMENU) != 0);
    EXPECT_EQ(ClientOf(form.Handle()).right, 200);
    EXPECT_EQ(ClientOf(form.Handle()).bottom, 100);
  }

  ui::TForm form(nullptr);
  form.SetClientSize(200, 100);
  form.HandleNeeded();
  form.SetBorderStyle(TFormBorderStyle::bsToolWindow);
  EXPECT_EQ(StyleOf(form.Handle()) & kFrameBits, static_cast<DWORD>(WS_CAPTION | WS_SYSMENU))
      << "a live window changes its frame";
  EXPECT_EQ(ExStyleOf(form.Handle()) & kFrameExBits, static_cast<DWORD>(WS_EX_TOOLWINDOW));
  EXPECT_EQ(ClientOf(form.Handle()).right, 200) << "around the same client area";
  EXPECT_EQ(ClientOf(form.Handle()).bottom, 100);
  form.SetBorderIcons(0);
  EXPECT_EQ(StyleOf(form.Handle()) & WS_SYSMENU, 0u);
}

class TMenuBarForm : public ui::TForm {
 public:
  explicit TMenuBarForm(ui::TComponent* owner) : TForm(owner) {
    const ui::TWndMethod saved = WindowProc();
    SetWindowProc([this, saved](ui::TMessage& message) {
      if (message.Msg == ui::CM_MENUCHANGED) ++MenuChanges;
      saved(message);
    });
  }
  std::string ClassName() const override { return "TMenuBarForm"; }
  int MenuChanges = 0;
};

TEST(FormKinds, MenuBarItemsClickOnTheirCommandAndChangesRebuildTheBarOnTheWindow) {
  TMenuBarForm form(nullptr);
  auto* menu = new ui::TMainMenu(&form);
  auto* file = new ui::TMenuItem(&form);
  file->SetCaption("\xCE\xC4\xBC\xFE");  // 文件
  auto* open = new ui::TMenuItem(&form);
  open->SetCaption("Open");
  std::vector<std::string> clicked;
  open->OnClick = [&](ui::TComponent*) { clicked.push_back("open"); };
  file->Add(open);
  menu->Items()->Add(file);
  form.SetMenu(menu);
  form.SetClientSize(200, 100);

  const HWND window = form.Handle();
  const HMENU bar = GetMenu(window);
  ASSERT_EQ(bar, menu->Handle());
  EXPECT_EQ(GetMenuItemCount(bar), 1);
  EXPECT_EQ(GetMenuItemID(GetSubMenu(bar, 0), 0), open->Command());
  EXPECT_EQ(ClientOf(window).bottom, 100) << "the frame counts the bar";

  SendMessageW(window, WM_COMMAND, open->Command(), 0);
  EXPECT_EQ(clicked, std::vector<std::string>{"open"});
  ui::TPopupMenu other(nullptr);
  auto* stranger = new ui::TMenuItem(&other);
  stranger->OnClick = [&](ui::TComponent*) { clicked.push_back("stranger"); };
  other.Items()->Add(stranger);
  SendMessageW(window, WM_COMMAND, stranger->Command(), 0);
  EXPECT_EQ(clicked.size(), 1u) << "only the items of the form's own bar";

  open->SetCaption("Open...");
  wchar_t text[32];
  GetMenuStringW(GetSubMenu(GetMenu(window), 0), 0, text, 32, MF_BYPOSITION);
  EXPECT_STREQ(text, L"Open...") << "the rebuilt bar is on the window";
  EXPECT_EQ(form.MenuChanges, 1);
  EXPECT_FALSE(IsMenu(bar)) << "the old bar is freed";

  delete menu;
  EXPECT_EQ(GetMenu(window), nullptr);
  EXPECT_EQ(form.Menu(), nullptr);
}

// Messages the MDI client received, through a subclass as a frame skinner puts one.
std::vector<UINT> clientMessages;
WNDPROC clientProcedure = nullptr;
LRESULT CALLBACK RecordClientMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_MDICREATE || msg == WM_MDIREFRESHMENU || msg == WM_MDIDESTROY) clientMessages.push_back(msg);
  return CallWindowProcW(clientProcedure, window, msg, wParam, lParam);
}

TEST(FormKinds, MdiFrameHoldsItsChildrenInAnMdiClientAndArrangesThem) {
  ui::TForm frame(nullptr);
  frame.SetFormStyle(ui::TFormStyle::fsMDIForm);
  frame.SetClientSize(480, 360);
  frame.Show();
  const HWND client = frame.ClientHandle();
  ASSERT_NE(client, nullptr);
  EXPECT_EQ(ClassOf(client), L"MDIClient");
  RECT clientBounds;
  GetWindowRect(client, &clientBounds);
  EXPECT_EQ(clientBounds.right - clientBounds.left, 480) << "the client fills the frame";
  EXPECT_EQ(clientBounds.bottom - clientBounds.top, 360);

  clientProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(client, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordClientMessage)));
  const int formsBefore = ui::Screen().FormCount();
  std::vector<ui::TForm*> children;
  for (int i = 0; i < 3; ++i) {
    auto* child = new ui::TForm(&frame);
    child->SetFormStyle(ui::TFormStyle::fsMDIChild);
    child->SetBounds(10, 10, 160, 120);
    child->SetCaption("child " + std::to_string(i));
    child->Show();
    children.push_back(child);
  }
  const HWND first = children[0]->Handle();
  EXPECT_EQ(GetParent(first), client);
  EXPECT_TRUE(ExStyleOf(first) & WS_EX_MDICHILD);
  EXPECT_TRUE(StyleOf(first) & WS_CHILD);
  EXPECT_EQ(ClassOf(first), L"TForm");
  EXPECT_EQ(ui::Screen().FormCount(), formsBefore + 3) << "children are forms of the screen";
  EXPECT_EQ(frame.ActiveMDIChild(), children[2]) << "the last one shown is active";
  EXPECT_EQ(frame.MDIChildren().size(), 3u);
  EXPECT_EQ(clientMessages, (std::vector<UINT>{WM_MDICREATE, WM_MDIREFRESHMENU, WM_MDICREATE, WM_MDIREFRESHMENU,
                                               WM_MDICREATE, WM_MDIREFRESHMENU}))
      << "each child is made through the client, which hears of it in this order";

  frame.Cascade();
  RECT previous{-1, -1, -1, -1};
  for (ui::TForm* child : frame.MDIChildren()) {  // active first: the cascade's last
    RECT bounds;
    GetWindowRect(child->Handle(), &bounds);
    if (previous.left >= 0) {
      EXPECT_LT(bounds.left, previous.left);
      EXPECT_LT(bounds.top, previous.top);
    }
    previous = bounds;
  }
  frame.Tile(ui::TTileMode::tbVertical);
  std::vector<RECT> tiles;
  for (ui::TForm* child : frame.MDIChildren()) {
    RECT bounds;
    GetWindowRect(child->Handle(), &bounds);
    tiles.push_back(bounds);
  }
  for (size_t i = 0; i < tiles.size(); ++i)
    for (size_t j = i + 1; j < tiles.size(); ++j) {
      RECT overlap;
      EXPECT_FALSE(IntersectRect(&overlap, &tiles[i], &tiles[j])) << "tiles side by side";
    }

  children[1]->SetWindowState(ui::TWindowState::wsMaximized);
  EXPECT_TRUE(IsZoomed(children[1]->Handle()));
  EXPECT_EQ(children[1]->WindowState(), ui::TWindowState::wsMaximized);
  EXPECT_EQ(frame.ActiveMDIChild(), children[1]);

  SendMessageW(children[1]->Handle(), WM_CLOSE, 0, 0);
  ui::Application().ProcessMessages();
  EXPECT_EQ(ui::Screen().FormCount(), formsBefore + 2) << "closing a child frees it";
  EXPECT_EQ(frame.MDIChildren().size(), 2u);
  ASSERT_GT(clientMessages.size(), 6u);
  EXPECT_EQ(clientMessages[6], static_cast<UINT>(WM_MDIDESTROY)) << "the client takes a freed child off itself";
  EXPECT_NE(frame.ActiveMDIChild(), nullptr);
}

TEST(FormKinds, FilesDroppedOnAFormReachOnDropFilesInOrder) {
  ui::TForm form(nullptr);
  EXPECT_FALSE(ExStyleOf(form.Handle()) & WS_EX_ACCEPTFILES);
  form.SetAcceptFiles(true);
  EXPECT_TRUE(ExStyleOf(form.Handle()) & WS_EX_ACCEPTFILES);
  std::vector<std::string> dropped;
  form.OnDropFiles = [&](ui::TComponent*, const std::vector<std::string>& files) { dropped = files; };

  // What the shell hands over: a DROPFILES header, then wide names, each ended, and one more end.
  const std::wstring names = std::wstring(L"C:\\skins\\\u76AE\u80A4.skn") + L'\0' + L"C:\\dark.skn" + L'\0' + L'\0';
  const SIZE_T size = sizeof(DROPFILES) + names.size() * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  std::memcpy(header + 1, names.data(), names.size() * sizeof(wchar_t));
  GlobalUnlock(memory);
  SendMessageW(form.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
  EXPECT_EQ(dropped, (std::vector<std::string>{"C:\\skins\\\xC6\xA4\xB7\xF4.skn", "C:\\dark.skn"}));  // 皮肤
}

}  // namespace
