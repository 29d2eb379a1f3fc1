#include "window/start_up.h"

#include "ui/forms/application.h"
#include "window/command_line.h"
#include "window/frm_date.h"
#include "window/single_instance.h"

namespace DateWin {

int RunCalendar(std::wstring_view arguments) {
  const TCommandLine options = ParseCommandLine(arguments);
  const TSessionLock lock;
  if (DeferToRunningCopy(lock)) return 0;
  ui::TApplication& application = ui::Application();
  application.SetTitle("Rilvanta");  // FormCreate empties it again
  TFRM_Date* calendar = application.CreateForm<TFRM_Date>();
  calendar->WearStartingSkin(options.SkinFile);
  if (options.Autostart) calendar->StayResident();
  application.Run();
  return 0;
}

}  // namespace DateWin
