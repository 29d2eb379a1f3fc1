#include "window/autostart/run_value.h"

#include "text/gbk_search.h"

namespace DateWin {

RunValue RunValueFor(std::string_view programPath) {
  RunValue value;
  value.name = std::string(text::GbkAfterLast(programPath, "\\/"));
  value.data = programPath;
  if (programPath.find(' ') != std::string_view::npos) value.data.insert(0, 1, '"').push_back('"');
  return value;
}

}  // namespace DateWin
