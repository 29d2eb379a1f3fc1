#pragma once
// Raw data resources (RCDATA) of the program file.

#include <cstdint>
#include <span>

namespace DateWin {

// The bytes of the program's RCDATA resource of that name; empty when it is missing.
std::span<const std::uint8_t> ResourceBytes(const wchar_t* name);

}  // namespace DateWin
