#pragma once
// The other windows of the thread while a modal window runs: every visible,
// enabled top-level window except the modal one is disabled on construction
// and enabled again on destruction, so only the modal window takes input.

#include <windows.h>

#include <vector>

namespace ui {

class TDisabledWindows {
 public:
  explicit TDisabledWindows(HWND modal);
  ~TDisabledWindows();
  TDisabledWindows(const TDisabledWindows&) = delete;
  TDisabledWindows& operator=(const TDisabledWindows&) = delete;

 private:
  static BOOL CALLBACK Collect(HWND window, LPARAM self);
  HWND modal_;
  std::vector<HWND> disabled_;
};

}  // namespace ui
