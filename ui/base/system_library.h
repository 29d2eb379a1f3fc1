#pragma once
// A function of a system library looked up when first called instead of
// imported. Every imported library is loaded before the program's first line
// runs; loading comctl32 and shell32, which a start of the calendar never
// calls, took a quarter of a bare window's whole start under Wine. The
// library stays loaded once it is.

#include <windows.h>

namespace ui {

// nullptr when the library or the function is missing.
template <class Function>
Function SystemLibraryFunction(const wchar_t* library, const char* name) {
  HMODULE module = LoadLibraryW(library);
  const FARPROC found = module ? GetProcAddress(module, name) : nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

}  // namespace ui
