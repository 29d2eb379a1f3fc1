// The barest pop-up program the calendar's start-up is compared with: one
// white 312 x 311 window without border, shown at once, closed by WM_CLOSE.
// Built a second time with BARE_WINDOW_WITH_CHILDREN, it first fills the
// window with as many child windows as the calendar's window has (a
// full-size panel holding seven push buttons and an edit box, all in a Song
// face), so start-up figures tell what the calendar's window count costs
// from what its own work costs.

#include <windows.h>

namespace {

LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}

#ifdef BARE_WINDOW_WITH_CHILDREN
void CreateChildren(HWND window, HINSTANCE instance) {
  HWND panel = CreateWindowExW(0, L"BareWindow", L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 312, 311, window,
                               nullptr, instance, nullptr);
  HFONT song = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, 0, 0, 0, 0, L"\u5b8b\u4f53");
  const wchar_t* const kinds[] = {L"BUTTON", L"BUTTON", L"BUTTON", L"BUTTON", L"EDIT", L"BUTTON", L"BUTTON", L"BUTTON"};
  int top = 0;
  for (const wchar_t* kind : kinds) {
    HWND child = CreateWindowExW(0, kind, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 3, top += 30, 72, 25, panel, nullptr,
                                 instance, nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(song), FALSE);
  }
}
#endif

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszClassName = L"BareWindow";
  RegisterClassExW(&windowClass);
  HWND window = CreateWindowExW(0, L"BareWindow", L"Bare window", WS_POPUP | WS_SYSMENU, 576, 160, 312, 311, nullptr,
                                nullptr, instance, nullptr);
#ifdef BARE_WINDOW_WITH_CHILDREN
  CreateChildren(window, instance);
#endif
  ShowWindow(window, SW_SHOW);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
