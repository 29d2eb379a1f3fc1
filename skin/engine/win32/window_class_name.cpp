#include "skin/engine/win32/window_class_name.h"

#include "text/gbk.h"

namespace skin {

std::string WindowClassName(HWND window) {
  constexpr int kMaxLength = 100;
  wchar_t name[kMaxLength + 1] = {};
  const int length = GetClassNameW(window, name, kMaxLength + 1);
  return text::WideToGbk(std::wstring_view(name, length > 0 ? length : 0));
}

}  // namespace skin
