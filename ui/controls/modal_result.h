#pragma once
// How a modal form ended: the system's dialog identifiers. A button may carry
// one, which it hands its form when clicked (CM_MODALRESULT).

#include <windows.h>

namespace ui {

using TModalResult = int;
inline constexpr TModalResult mrNone = 0, mrOk = IDOK, mrCancel = IDCANCEL;

}  // namespace ui
