// skinview.exe, the skin gallery: `skinview [SKINFILE]` shows the widget
// library's windows and controls wearing the skin of that file, or the
// built-in default skin.

#include <windows.h>

#include <cstdlib>
#include <string>

#include "text/gbk.h"
#include "tools/skinview/skin_view_form.h"
#include "ui/forms/application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const std::string skinFile = __argc > 1 ? text::WideToGbk(__wargv[1]) : std::string();
  ui::TApplication& application = ui::Application();
  application.SetTitle("Skin Viewer");
  application.CreateForm<skinview::TSkinViewForm>(skinFile);
  application.Run();
  return 0;
}
