#include "skin/engine/message_timer.h"

#include <exception>

#include "ui/application.h"

namespace skin {
namespace {

constexpr wchar_t kWindowClass[] = L"RilvantaMessageTimer";
constexpr UINT_PTR kTimerId = 1;

void RegisterWindowClass(WNDPROC procedure) {
  static const bool registered = [procedure] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassExW(&windowClass) != 0;
  }();
  (void)registered;
}

}  // namespace

TMessageTimer::TMessageTimer(unsigned intervalMs) : intervalMs_(intervalMs) {
  RegisterWindowClass(WindowProcedure);
  window_ =
      CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TMessageTimer::~TMessageTimer() {
  KillTimer(window_, kTimerId);
  DestroyWindow(window_);
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
  KillTimer(window_, kTimerId);
  if (enabled_ && intervalMs_ > 0) SetTimer(window_, kTimerId, intervalMs_, nullptr);
}

LRESULT CALLBACK TMessageTimer::WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_TIMER || wParam != kTimerId) return DefWindowProcW(window, msg, wParam, lParam);
  auto* timer = reinterpret_cast<TMessageTimer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  // Exceptions must not unwind through the system's message dispatch.
  try {
    if (timer && timer->enabled_ && timer->OnTimer) timer->OnTimer();
  } catch (const std::exception& error) {
    ui::Application().HandleException(error);
  }
  return 0;
}

}  // namespace skin
