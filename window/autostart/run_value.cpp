#include "window/autostart/run_value.h"

namespace DateWin {

RunValue RunValueFor(std::wstring_view programPath) {
  RunValue value;
  const std::size_t separator = programPath.find_last_of(L"\\/");
  value.name = programPath.substr(separator == std::wstring_view::npos ? 0 : separator + 1);
  value.data = programPath;
  if (programPath.find(L' ') != std::wstring_view::npos) value.data.insert(0, 1, L'"').push_back(L'"');
  return value;
}

}  // namespace DateWin
