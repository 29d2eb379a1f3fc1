#pragma once
// Message boxes of the test's own thread, read and closed with OK as they
// appear, for handlers that may raise one inside a modal loop.

#include <windows.h>

#include <set>
#include <string>
#include <vector>

namespace window_test {

class TBoxWatcher {
 public:
  struct TBox {
    std::wstring Caption, Text;
    bool StopIcon;
  };
  TBoxWatcher();
  ~TBoxWatcher();
  TBoxWatcher(const TBoxWatcher&) = delete;
  TBoxWatcher& operator=(const TBoxWatcher&) = delete;
  const std::vector<TBox>& Boxes() const { return boxes_; }

 private:
  static void CALLBACK Look(HWND, UINT, UINT_PTR, DWORD);
  void Read(HWND box);

  static inline TBoxWatcher* current_ = nullptr;
  UINT_PTR timer_ = 0;
  std::vector<TBox> boxes_;
  std::set<HWND> handled_;
};

}  // namespace window_test
