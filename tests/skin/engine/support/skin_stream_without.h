#pragma once
// A skin that lacks one picture: the stored stream of a skin file rebuilt
// without one of its entries.

#include <cstdint>
#include <string_view>
#include <vector>

namespace skin {

// The skin file's archive as a stored SkinStream value, without the entry of
// that (lower-case) name; empty when the file cannot be read as an archive.
std::vector<std::uint8_t> SkinStreamWithout(const char* skinFile, std::string_view entryName);

}  // namespace skin
