#include "window/autostart/run_value.h"

namespace DateWin {
namespace {

// Where the file name starts: after the last "\" or "/" that is a character
// of its own, not the second byte of a double-byte GBK character.
std::size_t FileNameStart(std::string_view path) {
  std::size_t start = 0;
  for (std::size_t at = 0; at < path.size(); ++at) {
    const auto byte = static_cast<unsigned char>(path[at]);
    if (byte >= 0x81 && byte <= 0xFE)
      ++at;  // a lead byte: its trail byte may look like "\"
    else if (byte == '\\' || byte == '/')
      start = at + 1;
  }
  return start;
}

}  // namespace

RunValue RunValueFor(std::string_view programPath) {
  RunValue value;
  value.name = std::string(programPath.substr(FileNameStart(programPath)));
  value.data = programPath;
  if (programPath.find(' ') != std::string_view::npos) value.data.insert(0, 1, '"').push_back('"');
  return value;
}

}  // namespace DateWin
