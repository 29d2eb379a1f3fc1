#include "window/autostart/run_value.h"

namespace DateWin {

TRunValue RunValueFor(std::wstring_view programPath) {
  TRunValue value;
  const std::size_t separator = programPath.find_last_of(L"\\/");
  value.Name = programPath.substr(separator == std::wstring_view::npos ? 0 : separator + 1);
  value.Data = L"\"" + std::wstring(programPath) + L"\" " + kAutostartArgument;
  return value;
}

}  // namespace DateWin
