#include "skin/data/skin_names.h"

#include <algorithm>

namespace skin {

std::string LowerAsciiLetters(std::string_view text) {
  std::string lowered(text);
  for (char& c : lowered) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
  }
  return lowered;
}

std::vector<std::string> SplitNameLines(std::string_view block) {
  block = block.substr(0, block.find('\0'));
  std::vector<std::string> lines;
  std::size_t position = 0;
  while (position < block.size()) {
    const std::size_t end = std::min(block.find_first_of("\r\n", position), block.size());
    lines.emplace_back(block.substr(position, end - position));
    position = end;
    if (position < block.size() && block[position] == '\r') ++position;
    if (position < block.size() && block[position] == '\n') ++position;
  }
  return lines;
}

std::string JoinNameLines(const std::vector<std::string>& names) {
  std::string block;
  for (const std::string& name : names) block += name + "\r\n";
  return block;
}

}  // namespace skin
