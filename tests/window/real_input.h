#pragma once
// Mouse and keyboard input as a user gives it: through the system's input
// queue, to whatever window is under the pointer or holds the focus.

#include <windows.h>

#include <initializer_list>

namespace real_input {

void MoveMouseTo(POINT screen);
void ClickAt(POINT screen);  // left button
void RightClickAt(POINT screen);
void PressKey(WORD virtualKey);
// Keys held together, pressed in order and released in reverse (Ctrl, Page Down).
void PressChord(std::initializer_list<WORD> virtualKeys);
// Wheel notches where the pointer is; positive away from the user (up).
void TurnWheel(int notches);
// The key pressed while `modifier` (VK_MENU, VK_CONTROL, VK_SHIFT) is held down.
void PressKeyWith(WORD modifier, WORD virtualKey);

// Wine's X11 driver echoes a pointer move made here back, a little later, as
// a move of the program under the pointer: waits until no input has come for
// a while, so that the echo is not taken for a move made after it. False
// when input keeps coming.
bool WaitForInputToRest();

}  // namespace real_input
