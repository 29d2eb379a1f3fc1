#pragma once
// The Windows profile reading of an integer value, shared by the in-memory
// settings text of skins and the INI files of the system: a decimal number, or
// a hexadecimal one written "0x..." or "0X..." (longer than two characters).

#include <cstdint>
#include <string_view>

namespace text {

// False, with `value` untouched, when the text is no such integer (a blank,
// a sign after "0x", a digit too many for 32 bits).
bool ParseIniInteger(std::string_view text, std::int32_t& value);

}  // namespace text
