// rilvanta.exe: the pop-up desk calendar.

#include <windows.h>

#include "window/start_up.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int) { return DateWin::RunCalendar(arguments); }
