#pragma once
// Message boxes of the test's own thread, read and closed with OK as they
// appear, for handlers that may raise one inside a modal loop.

#include <windows.h>

#include <set>
#include <string>
#include <vector>

namespace window_test {

class BoxWatcher {
 public:
  struct Box {
    std::wstring caption, text;
    bool stopIcon;
  };
  BoxWatcher();
  ~BoxWatcher();
  BoxWatcher(const BoxWatcher&) = delete;
  BoxWatcher& operator=(const BoxWatcher&) = delete;
  const std::vector<Box>& Boxes() const { return boxes_; }

 private:
  static void CALLBACK Look(HWND, UINT, UINT_PTR, DWORD);
  void Read(HWND box);

  static inline BoxWatcher* current_ = nullptr;
  UINT_PTR timer_ = 0;
  std::vector<Box> boxes_;
  std::set<HWND> handled_;
};

}  // namespace window_test
