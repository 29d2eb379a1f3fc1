#pragma once
// Searching GBK text byte by byte: the second byte of a double-byte character
// may look like an ASCII character ('\' is 0x5C), so only bytes that stand as
// characters of their own count.

#include <cstddef>
#include <string_view>

namespace text {

constexpr bool IsGbkLeadByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x81 && byte <= 0xFE;
}

// The position of the last character of `gbk` that is one of the ASCII
// characters `chars`; npos when there is none.
constexpr std::size_t FindLastGbkOf(std::string_view gbk, std::string_view chars) {
  std::size_t found = std::string_view::npos;
  for (std::size_t at = 0; at < gbk.size(); ++at) {
    if (IsGbkLeadByte(gbk[at]))
      ++at;  // skips the trail byte
    else if (chars.find(gbk[at]) != std::string_view::npos)
      found = at;
  }
  return found;
}

// What follows the last of the characters `separators` in `gbk`; all of `gbk`
// when it has none.
constexpr std::string_view GbkAfterLast(std::string_view gbk, std::string_view separators) {
  const std::size_t separator = FindLastGbkOf(gbk, separators);
  return separator == std::string_view::npos ? gbk : gbk.substr(separator + 1);
}

}  // namespace text
