#include "window/clock.h"

#include <windows.h>

#include "calendar/date_value.h"

namespace DateWin {

double SystemToday() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return DateCn::EncodeDate(now.wYear, now.wMonth, now.wDay);
}

}  // namespace DateWin
