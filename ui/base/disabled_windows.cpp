#include "ui/base/disabled_windows.h"

namespace ui {

TDisabledWindows::TDisabledWindows(HWND modal) : modal_(modal) {
  EnumThreadWindows(GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(this));
  for (HWND window : disabled_) EnableWindow(window, FALSE);
}

TDisabledWindows::~TDisabledWindows() {
  for (HWND window : disabled_)
    if (IsWindow(window)) EnableWindow(window, TRUE);
}

BOOL CALLBACK TDisabledWindows::Collect(HWND window, LPARAM self) {
  auto* windows = reinterpret_cast<TDisabledWindows*>(self);
  if (window != windows->modal_ && IsWindowVisible(window) && IsWindowEnabled(window))
    windows->disabled_.push_back(window);
  return TRUE;
}

}  // namespace ui
