// first_paint: the calendar's own start-up figure. Starts as rilvanta.exe does
// (one-copy check, application title, the window built from its layout, shown)
// and stops once the first paint is done, that is when the shown window has no
// message and no paint left waiting. Prints the milliseconds from the
// process's creation to each stage on one line.

#include <windows.h>

#include <cstdio>

#include "ui/forms/application.h"
#include "window/frm_date.h"
#include "window/single_instance.h"

namespace {

ULONGLONG Ticks(FILETIME time) { return ULARGE_INTEGER{{time.dwLowDateTime, time.dwHighDateTime}}.QuadPart; }

class TStartClock {
 public:
  TStartClock() {
    FILETIME exit, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created_, &exit, &kernel, &user);
  }
  // Milliseconds since the process was created.
  double Now() const {
    FILETIME now;
    GetSystemTimePreciseAsFileTime(&now);
    return static_cast<double>(Ticks(now) - Ticks(created_)) / 10000.0;
  }

 private:
  FILETIME created_;
};

}  // namespace

int main() {
  const TStartClock clock;
  const double entered = clock.Now();
  const DateWin::TSessionLock lock;
  if (DateWin::DeferToRunningCopy(lock)) return 1;
  ui::TApplication& application = ui::Application();
  application.SetTitle("Rilvanta");
  auto* form = application.CreateForm<DateWin::TFRM_Date>();
  const double created = clock.Now();
  form->Show();
  const double shown = clock.Now();
  application.ProcessMessages();
  const double painted = clock.Now();
  std::printf("entry %.1f created %.1f shown %.1f painted %.1f\n", entered, created, shown, painted);
  form->Close();  // ends the program the way the calendar's own closing does
  return 0;
}
