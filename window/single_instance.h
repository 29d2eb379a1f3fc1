#pragma once
// One copy at a time in a session. A named mutex decides between copies
// started at the same moment; a running copy is also known by its window's
// class name and caption, which is how the copy that lost finds it.

#include <windows.h>

namespace DateWin {

inline constexpr wchar_t kWindowClassName[] = L"TFRM_Date";
inline constexpr wchar_t kWindowCaption[] = L"Rilvanta";

// The message a later copy sends the running calendar to come to the front,
// shown again if it waits hidden in the notification area.
UINT ShowCalendarMessage();

// Held for the program's lifetime by the copy that runs.
class TSessionLock {
 public:
  TSessionLock();
  ~TSessionLock();
  TSessionLock(const TSessionLock&) = delete;
  TSessionLock& operator=(const TSessionLock&) = delete;
  // False when another copy of this session holds the lock.
  bool Owned() const { return owned_; }

 private:
  HANDLE mutex_;
  bool owned_;
};

// When another copy runs (it holds `lock`, or its window exists), brings its
// calendar to the front and returns true: this copy is to end. The calendar
// stays open; nothing here takes activation from it.
bool DeferToRunningCopy(const TSessionLock& lock);

}  // namespace DateWin
