#pragma once

#include <windows.h>

#include <string>

namespace skin {

// The class name of a window (GBK, at most 100 characters); empty for no window.
std::string WindowClassName(HWND window);

}  // namespace skin
