#pragma once
// A window-message timer: WM_TIMER on a hidden message-only window, made by
// the thread that first turns the timer on and delivered by that thread's
// message loop. It repeats until disabled; a one-shot user disables it in its
// handler.

#include <windows.h>

#include <functional>

namespace skin {

// The window class of the timers' message-only windows.
inline constexpr wchar_t kMessageTimerClass[] = L"RilvantaMessageTimer";

class TMessageTimer {
 public:
  explicit TMessageTimer(unsigned intervalMs);
  ~TMessageTimer();
  TMessageTimer(const TMessageTimer&) = delete;
  TMessageTimer& operator=(const TMessageTimer&) = delete;

  bool Enabled() const { return enabled_; }
  // Starts counting the interval anew when it turns the timer on.
  void SetEnabled(bool enabled);
  unsigned Interval() const { return intervalMs_; }
  // A running timer starts counting the new interval anew.
  void SetInterval(unsigned intervalMs);

  std::function<void()> OnTimer;

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void Restart();

  HWND window_ = nullptr;
  unsigned intervalMs_;
  bool enabled_ = false;
};

}  // namespace skin
