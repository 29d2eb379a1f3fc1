#include "window/browser.h"

#include <shellapi.h>

#include "text/gbk.h"

namespace DateWin {

void OpenInDefaultBrowser(HWND owner, const std::string& address) {
  const std::wstring wide = text::GbkToWide(address);
  ShellExecuteW(owner, L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace DateWin
