#pragma once
// Percent-encoding of text placed in a web address's query.

#include <string>
#include <string_view>

namespace DateWin {

// Every byte outside A-Z a-z 0-9 - . _ ~ becomes "%XX" (upper-case hex), so
// the text stands for itself: "&", "#", "+", "%", blanks and quotes can
// neither cut the address nor reach a command line. Give it UTF-8.
std::string PercentEncode(std::string_view bytes);

}  // namespace DateWin
