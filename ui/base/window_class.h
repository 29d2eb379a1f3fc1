#pragma once
// Registration of the library's window classes. Each control class gets a
// window class of its own name; controls built on a system control (a push
// button, an edit) get a superclass of it, so the library's window procedure
// sees every message from the first on and the system one does the rest.

#include <windows.h>

#include <string>

namespace ui {

// Registers `name` once, with `procedure` as its window procedure, as a copy
// of the system class `baseClass` (or a plain class when it is nullptr).
// Returns the procedure that handles what the library leaves alone.
WNDPROC RegisterWindowClass(const std::wstring& name, const wchar_t* baseClass, WNDPROC procedure);

}  // namespace ui
