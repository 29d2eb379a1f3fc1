#pragma once
// Texts from a skin archive as skintool prints them.

#include <string>
#include <string_view>

namespace skintool {

// `utf8` with its control characters written as "\xNN" (and a backslash as
// "\\"), so that a name from an archive cannot move the cursor, recolour or
// retitle the terminal, or break the line it stands in.
std::string Printable(std::string_view utf8);

}  // namespace skintool
