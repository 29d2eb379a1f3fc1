#include "window/autostart/run_value.h"

namespace DateWin {

TRunValue RunValueFor(std::wstring_view programPath) {
  TRunValue value;
  const std::size_t separator = programPath.find_last_of(L"\\/");
  value.Name = programPath.substr(separator == std::wstring_view::npos ? 0 : separator + 1);
  value.Data = programPath;
  if (programPath.find(L' ') != std::wstring_view::npos) value.Data.insert(0, 1, L'"').push_back(L'"');
  return value;
}

}  // namespace DateWin
