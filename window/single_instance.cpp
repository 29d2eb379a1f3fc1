#include "window/single_instance.h"

#include <chrono>
#include <thread>

namespace DateWin {
namespace {

// Per session: another user's calendar on the same machine is no reason to end.
constexpr wchar_t kLockName[] = L"Local\\Rilvanta.Calendar";
// A copy that won the lock a moment ago may not have made its window yet.
constexpr auto kWindowWait = std::chrono::seconds(10);

HWND RunningCalendar() { return FindWindowW(kWindowClassName, kWindowCaption); }

HWND WaitForRunningCalendar() {
  const auto deadline = std::chrono::steady_clock::now() + kWindowWait;
  HWND running = RunningCalendar();
  while (!running && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    running = RunningCalendar();
  }
  return running;
}

}  // namespace

UINT ShowCalendarMessage() {
  static const UINT message = RegisterWindowMessageW(L"Rilvanta.ShowCalendar");
  return message;
}

TSessionLock::TSessionLock()
    : mutex_(CreateMutexW(nullptr, FALSE, kLockName)), owned_(!mutex_ || GetLastError() != ERROR_ALREADY_EXISTS) {}

TSessionLock::~TSessionLock() {
  if (mutex_) CloseHandle(mutex_);
}

bool DeferToRunningCopy(const TSessionLock& lock) {
  HWND running = RunningCalendar();
  if (!running && lock.Owned()) return false;
  if (!running) running = WaitForRunningCalendar();
  if (!running) return true;  // the other copy ended before it showed a window
  // This copy was just started by the user, so it may hand the foreground on.
  DWORD runningProcess = 0;
  GetWindowThreadProcessId(running, &runningProcess);
  AllowSetForegroundWindow(runningProcess);
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(running, ShowCalendarMessage(), 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
  SetForegroundWindow(running);
  return true;
}

}  // namespace DateWin
