#include "skin/engine/win32/message_timer.h"

#include <exception>

#include "ui/base/message_exceptions.h"

namespace skin {
namespace {

constexpr UINT_PTR kTimerId = 1;

void RegisterWindowClass(WNDPROC procedure) {
  static const bool registered = [procedure] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kMessageTimerClass;
    return RegisterClassExW(&windowClass) != 0;
  }();
  (void)registered;
}

// A message-only window carrying the timer as its user data.
HWND CreateTimerWindow(WNDPROC procedure, TMessageTimer* timer) {
  RegisterWindowClass(procedure);
  HWND window = CreateWindowExW(0, kMessageTimerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(timer));
  return window;
}

}  // namespace

TMessageTimer::TMessageTimer(unsigned intervalMs) : intervalMs_(intervalMs) {}

TMessageTimer::~TMessageTimer() {
  if (window_) DestroyWindow(window_);  // its timer goes with it
}

void TMessageTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Restart();
}

void TMessageTimer::SetInterval(unsigned intervalMs) {
  if (intervalMs == intervalMs_) return;
  intervalMs_ = intervalMs;
  Restart();
}

void TMessageTimer::Restart() {
  if (window_) KillTimer(window_, kTimerId);
  if (!enabled_ || intervalMs_ == 0) return;
  // Made when first needed: a program start makes its timers long before
  // any of them runs, and every window made before the first shows delays it.
  if (!window_) window_ = CreateTimerWindow(WindowProcedure, this);
  SetTimer(window_, kTimerId, intervalMs_, nullptr);
}

LRESULT CALLBACK TMessageTimer::WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_TIMER || wParam != kTimerId) return DefWindowProcW(window, msg, wParam, lParam);
  auto* timer = reinterpret_cast<TMessageTimer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  // Exceptions must not unwind through the system's message dispatch.
  try {
    if (timer && timer->enabled_ && timer->OnTimer) timer->OnTimer();
  } catch (const std::exception& error) {
    ui::HandleMessageException(error);
  }
  return 0;
}

}  // namespace skin
