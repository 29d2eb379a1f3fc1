#pragma once
// The comctl32 window classes a control builds on are registered before its
// first window is made.

#include <windows.h>

namespace ui {

// Registers the classes of the ICC_* flags once per program run (each flag
// set only the first time it is asked for).
void UseCommonControls(DWORD classes);

}  // namespace ui
