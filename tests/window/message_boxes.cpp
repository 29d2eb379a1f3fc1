#include "message_boxes.h"

namespace window_test {
namespace {

std::wstring WindowText(HWND window) {
  wchar_t text[256];
  return std::wstring(text, static_cast<size_t>(GetWindowTextW(window, text, 256)));
}

}  // namespace

TBoxWatcher::TBoxWatcher() {
  current_ = this;
  timer_ = SetTimer(nullptr, 0, 50, &TBoxWatcher::Look);
}

TBoxWatcher::~TBoxWatcher() {
  KillTimer(nullptr, timer_);
  current_ = nullptr;
}

void CALLBACK TBoxWatcher::Look(HWND, UINT, UINT_PTR, DWORD) {
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM) -> BOOL {
        wchar_t name[16];
        GetClassNameW(window, name, 16);
        if (lstrcmpW(name, L"#32770") == 0 && IsWindowVisible(window)) current_->Read(window);
        return TRUE;
      },
      0);
}

void TBoxWatcher::Read(HWND box) {
  if (!handled_.insert(box).second) return;  // closing already
  TBox seen{WindowText(box), L"", false};
  const HICON stop = LoadIconW(nullptr, IDI_HAND);
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[16];
    GetClassNameW(child, name, 16);
    if (lstrcmpiW(name, L"Static") != 0) continue;
    if (reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0)) == stop) seen.StopIcon = true;
    if (!WindowText(child).empty()) seen.Text = WindowText(child);
  }
  boxes_.push_back(seen);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

}  // namespace window_test
