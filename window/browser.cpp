#include "window/browser.h"

#include <shellapi.h>

#include "text/gbk.h"
#include "ui/base/system_library.h"

namespace DateWin {

void OpenInDefaultBrowser(HWND owner, const std::string& address) {
  const std::wstring wide = text::GbkToWide(address);
  SHELLEXECUTEINFOW execute{};
  execute.cbSize = sizeof(execute);
  execute.fMask = SEE_MASK_FLAG_NO_UI;  // no browser, no message: the calendar stays as it is
  execute.hwnd = owner;
  execute.lpVerb = L"open";
  execute.lpFile = wide.c_str();
  execute.nShow = SW_SHOWNORMAL;
  // shell32 is loaded with the first page opened, not with every start.
  static const auto shellExecute =
      ui::SystemLibraryFunction<decltype(&ShellExecuteExW)>(L"shell32.dll", "ShellExecuteExW");
  if (shellExecute) shellExecute(&execute);
}

}  // namespace DateWin
