#include "real_input.h"

#include <chrono>
#include <iterator>
#include <thread>

namespace real_input {
namespace {

void Send(INPUT input) { SendInput(1, &input, sizeof(INPUT)); }

INPUT Mouse(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  return input;
}

INPUT Key(WORD virtualKey, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = flags;
  return input;
}

}  // namespace

// Absolute positions are in 65536ths of the primary screen; the half pixel
// added keeps the rounding back to pixels on the pixel meant.
void MoveMouseTo(POINT screen) {
  INPUT move = Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
  move.mi.dx = (screen.x * 65536 + 32768) / GetSystemMetrics(SM_CXSCREEN);
  move.mi.dy = (screen.y * 65536 + 32768) / GetSystemMetrics(SM_CYSCREEN);
  Send(move);
}

void ClickAt(POINT screen) {
  MoveMouseTo(screen);
  Send(Mouse(MOUSEEVENTF_LEFTDOWN));
  Send(Mouse(MOUSEEVENTF_LEFTUP));
}

void RightClickAt(POINT screen) {
  MoveMouseTo(screen);
  Send(Mouse(MOUSEEVENTF_RIGHTDOWN));
  Send(Mouse(MOUSEEVENTF_RIGHTUP));
}

void PressKey(WORD virtualKey) { PressChord({virtualKey}); }

void PressChord(std::initializer_list<WORD> virtualKeys) {
  for (WORD key : virtualKeys) Send(Key(key, 0));
  for (auto key = std::rbegin(virtualKeys); key != std::rend(virtualKeys); ++key) Send(Key(*key, KEYEVENTF_KEYUP));
}

void TurnWheel(int notches) {
  INPUT wheel = Mouse(MOUSEEVENTF_WHEEL);
  wheel.mi.mouseData = static_cast<DWORD>(notches * WHEEL_DELTA);
  Send(wheel);
}

void PressKeyWith(WORD modifier, WORD virtualKey) {
  Send(Key(modifier, 0));
  PressKey(virtualKey);
  Send(Key(modifier, KEYEVENTF_KEYUP));
}

bool WaitForInputToRest() {
  using namespace std::chrono_literals;
  constexpr auto kRest = 50ms;
  const auto start = std::chrono::steady_clock::now();
  LASTINPUTINFO last{sizeof(LASTINPUTINFO), 0};
  GetLastInputInfo(&last);
  for (auto restingSince = start;; std::this_thread::sleep_for(5ms)) {
    const auto now = std::chrono::steady_clock::now();
    LASTINPUTINFO input{sizeof(LASTINPUTINFO), 0};
    GetLastInputInfo(&input);
    if (input.dwTime != last.dwTime) {
      last = input;
      restingSince = now;
    } else if (now - restingSince >= kRest) {
      return true;
    }
    if (now - start > 20s) return false;
  }
}

}  // namespace real_input
