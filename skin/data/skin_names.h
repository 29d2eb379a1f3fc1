#pragma once
// The names block of a skin archive: 8-bit names, one per line.

#include <string>
#include <string_view>
#include <vector>

namespace skin {

// Replaces the letters A-Z by a-z byte by byte, whatever precedes them (also
// inside a double-byte character); no other byte changes.
std::string LowerAsciiLetters(std::string_view text);

// Lines end at CR, LF or CR LF; a break at the very end adds no line, an empty
// line between two breaks is an empty name, and a zero byte ends the text.
std::vector<std::string> SplitNameLines(std::string_view block);

// The names block as the program's own skins write it: CR LF after every name.
std::string JoinNameLines(const std::vector<std::string>& names);

}  // namespace skin
