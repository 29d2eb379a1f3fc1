#pragma once
// The skintool command line: info, list, extract, unpack, pack and --version.

#include <ostream>
#include <string>
#include <vector>

namespace skintool {

inline constexpr int kExitBadInput = 2;

// Runs one command; `args` are the words after the program name, in UTF-8.
// Returns the exit status: 0, kExitBadInput after one line on `err`, or
// tools::kExitOutputFailed when `out` cannot be written.
int RunSkinTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace skintool
