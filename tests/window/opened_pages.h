#pragma once
// The calendar window with a recorder in place of the browser, and typing
// into a control with real key messages.

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "window_test_support.h"

namespace window_test {

struct TOpenedPage {
  HWND Owner;
  std::string Address;
};

// Key down, character, key up, as the keyboard sends them for each
// character of `utf8` (characters without a key come as VK_PACKET).
void Type(HWND control, std::string_view utf8);
// Key down, its character when it has one, key up.
void PressKey(HWND control, WORD key, wchar_t character = 0);

class PageRecordingTest : public WindowTest {
 protected:
  void SetUp() override {
    Open(Date(2026, 5, 15));
    form->OpenPage = [this](HWND owner, const std::string& address) { opened.push_back({owner, address}); };
  }

  std::vector<TOpenedPage> opened;
};

}  // namespace window_test
