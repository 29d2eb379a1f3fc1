#include "opened_pages.h"

#include "text/gbk.h"

namespace window_test {

void PressKey(HWND control, WORD key, wchar_t character) {
  SendMessageW(control, WM_KEYDOWN, key, 1);
  if (character) SendMessageW(control, WM_CHAR, character, 1);
  SendMessageW(control, WM_KEYUP, key, 0xC0000001);
}

void Type(HWND control, std::string_view utf8) {
  for (wchar_t character : text::GbkToWide(text::Utf8ToGbk(utf8))) {
    const SHORT scan = character < 0x80 ? VkKeyScanW(character) : -1;
    PressKey(control, scan == -1 ? VK_PACKET : LOBYTE(scan), character);
  }
}

}  // namespace window_test
