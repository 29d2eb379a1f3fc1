#include "tools/skinview/bare_window.h"

#include <commctrl.h>

#include <initializer_list>

namespace skinview {
namespace {

constexpr int kSizeGripId = 100;

// The size grip keeps to the bottom-right corner as the window is sized.
void PlaceSizeGrip(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  const int size = GetSystemMetrics(SM_CXVSCROLL);
  SetWindowPos(GetDlgItem(window, kSizeGripId), nullptr, client.right - size, client.bottom - size, size, size,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK BareWindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_SIZE) PlaceSizeGrip(window);
  return DefWindowProcW(window, msg, wParam, lParam);
}

void RegisterBareWindowClass() {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = BareWindowProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kBareWindowClass;
    return RegisterClassExW(&windowClass) != 0;
  }();
  (void)registered;
}

HWND Child(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, int x, int y, int width, int height,
           DWORD exStyle = 0) {
  HWND child = CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return child;
}

void AddStandardControls(HWND window) {
  Child(window, L"BUTTON", L"Push button", BS_PUSHBUTTON | WS_TABSTOP, 16, 16, 110, 26);
  Child(window, L"BUTTON", L"Check box", BS_AUTOCHECKBOX | WS_TABSTOP, 140, 20, 110, 18);
  Child(window, L"BUTTON", L"Group box", BS_GROUPBOX, 16, 56, 234, 76);
  Child(window, L"BUTTON", L"Radio one", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 28, 78, 100, 18);
  Child(window, L"BUTTON", L"Radio two", BS_AUTORADIOBUTTON, 28, 102, 100, 18);
  Child(window, L"EDIT", L"Edit", ES_AUTOHSCROLL | WS_TABSTOP, 16, 146, 234, 22, WS_EX_CLIENTEDGE);
  HWND combo = Child(window, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 16, 180, 234, 120);
  for (const wchar_t* item : {L"Combo box", L"Second item", L"Third item"})
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  SendMessageW(combo, CB_SETCURSEL, 0, 0);
  HWND editable = Child(window, L"COMBOBOX", L"", CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP, 16, 246, 234, 120);
  SendMessageW(editable, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Drop-down"));
  SendMessageW(editable, CB_SETCURSEL, 0, 0);
  HWND scroll = Child(window, L"SCROLLBAR", L"", SBS_HORZ, 16, 216, 234, 17);
  SCROLLINFO range{sizeof(range), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 20, 30, 0};
  SetScrollInfo(scroll, SB_CTL, &range, TRUE);
  CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP, 0, 0, 0, 0, window,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kSizeGripId)), GetModuleHandleW(nullptr), nullptr);
  PlaceSizeGrip(window);
  HWND tabs = Child(window, WC_TABCONTROLW, L"", WS_TABSTOP, 268, 16, 200, 217);
  const wchar_t* pages[] = {L"First", L"Second", L"Third"};
  for (int i = 0; i < 3; ++i) {
    TCITEMW tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = const_cast<wchar_t*>(pages[i]);
    SendMessageW(tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&tab));
  }
  HWND list = Child(window, WC_LISTVIEWW, L"", LVS_REPORT | LVS_SHOWSELALWAYS | WS_TABSTOP, 484, 16, 216, 217,
                    WS_EX_CLIENTEDGE);
  const wchar_t* headings[] = {L"Name", L"Size"};
  for (int i = 0; i < 2; ++i) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = i == 0 ? LVCFMT_LEFT : LVCFMT_RIGHT;
    column.cx = i == 0 ? 130 : 70;
    column.pszText = const_cast<wchar_t*>(headings[i]);
    SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
  const wchar_t* rows[][2] = {{L"List view", L"12 KB"}, {L"Second row", L"3 KB"}, {L"Third row", L"1 KB"}};
  for (int i = 0; i < 3; ++i) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = i;
    item.pszText = const_cast<wchar_t*>(rows[i][0]);
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    item.iSubItem = 1;
    item.pszText = const_cast<wchar_t*>(rows[i][1]);
    SendMessageW(list, LVM_SETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
  }
}

}  // namespace

HWND OpenBareWindow(POINT topLeft) {
  RegisterBareWindowClass();
  RECT bounds{0, 0, 716, 282};
  AdjustWindowRectEx(&bounds, WS_OVERLAPPEDWINDOW, FALSE, 0);
  HWND window = CreateWindowExW(0, kBareWindowClass, L"Bare Win32 window", WS_OVERLAPPEDWINDOW, topLeft.x, topLeft.y,
                                bounds.right - bounds.left, bounds.bottom - bounds.top, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  if (!window) return nullptr;
  AddStandardControls(window);
  ShowWindow(window, SW_SHOW);
  return window;
}

}  // namespace skinview
