#pragma once
// Percent-encoding of text placed in a web address.

#include <string>
#include <string_view>

namespace DateWin {

// Every byte outside A-Z a-z 0-9 - . _ ~ becomes "%XX" (upper-case hex), so
// the text stands for itself: "&", "#", "+", "%", blanks and quotes can
// neither cut the address nor reach a command line. Give it UTF-8.
std::string PercentEncode(std::string_view bytes);

// The file:/// address of a full Windows path (UTF-8): each part between
// separators percent-encoded, "\" as "/". Plain ASCII, so it passes through
// any code page unchanged.
std::string FileAddress(std::string_view utf8Path);

}  // namespace DateWin
