#include "window/single_instance.h"

#include <windows.h>

#include "text/gbk.h"
#include "window/gbk_literal.h"

namespace DateWin {

bool DeferToRunningCopy() {
  HWND running = FindWindowW(kWindowClassName, kWindowCaption);
  if (!running) return false;
  SetForegroundWindow(running);
  const std::wstring message = text::GbkToWide(Gbk("软件正在运行中!"));
  MessageBoxW(nullptr, message.c_str(), L"", MB_OK);
  return true;
}

}  // namespace DateWin
