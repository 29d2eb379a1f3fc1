#pragma once
// What every command-line tool here does when its standard output cannot be
// written (a full disk, a closed pipe): its work did not reach the user, so it
// says so in one line on standard error and exits with status 1, apart from
// the status 2 of bad input.

#include <string>
#include <string_view>

namespace tools {

inline constexpr int kExitOutputFailed = 1;

// The line for standard error: "<tool>: cannot write the output".
inline std::string OutputFailedLine(std::string_view tool) { return std::string(tool) + ": cannot write the output\n"; }

}  // namespace tools
