#pragma once
// The window's Chinese texts are written in UTF-8 in the source and held as
// GBK at run time, like every text of the program.

#include <string>
#include <string_view>

#include "text/gbk.h"

namespace DateWin {

inline std::string Gbk(std::string_view utf8) { return text::Utf8ToGbk(utf8); }

}  // namespace DateWin
