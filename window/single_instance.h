#pragma once
// One copy at a time: a running copy is known by its window's class name and
// caption.

namespace DateWin {

inline constexpr wchar_t kWindowClassName[] = L"TFRM_Date";
inline constexpr wchar_t kWindowCaption[] = L"Rilvanta";

// When another copy's window exists, brings it to the foreground, tells the
// user in a message box and returns true once the box is dismissed.
bool DeferToRunningCopy();

}  // namespace DateWin
