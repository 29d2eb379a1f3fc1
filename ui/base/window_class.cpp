#include "ui/base/window_class.h"

#include <map>
#include <stdexcept>

namespace ui {

WNDPROC RegisterWindowClass(const std::wstring& name, const wchar_t* baseClass, WNDPROC procedure) {
  static std::map<std::wstring, WNDPROC> registered;
  if (auto found = registered.find(name); found != registered.end()) return found->second;

  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  WNDPROC defaultProcedure = DefWindowProcW;
  if (baseClass) {
    if (!GetClassInfoExW(nullptr, baseClass, &windowClass)) throw std::runtime_error("unknown system window class");
    defaultProcedure = windowClass.lpfnWndProc;
  } else {
    windowClass.style = CS_DBLCLKS;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  }
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = name.c_str();
  if (!RegisterClassExW(&windowClass)) throw std::runtime_error("cannot register a window class");
  registered.emplace(name, defaultProcedure);
  return defaultProcedure;
}

}  // namespace ui
