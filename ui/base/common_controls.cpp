#include "ui/base/common_controls.h"

#include <commctrl.h>

namespace ui {

void UseCommonControls(DWORD classes) {
  static DWORD registered = 0;
  if ((registered & classes) == classes) return;
  INITCOMMONCONTROLSEX controls{sizeof(controls), classes};
  if (InitCommonControlsEx(&controls)) registered |= classes;
}

}  // namespace ui
