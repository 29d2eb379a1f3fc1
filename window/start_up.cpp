#include "window/start_up.h"

#include "ui/forms/application.h"
#include "window/frm_date.h"
#include "window/single_instance.h"

namespace DateWin {

int RunCalendar() {
  if (DeferToRunningCopy()) return 0;
  ui::TApplication& application = ui::Application();
  application.SetTitle("Rilvanta");  // FormCreate empties it again
  application.CreateForm<TFRM_Date>();
  application.Run();
  return 0;
}

}  // namespace DateWin
