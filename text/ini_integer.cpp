#include "text/ini_integer.h"

#include <cstdint>
#include <limits>

namespace text {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool ParseHex(std::string_view digits, std::int32_t& value) {
  std::uint64_t number = 0;
  for (char c : digits) {
    const int digit = HexDigit(c);
    if (digit < 0) return false;
    number = number * 16 + static_cast<unsigned>(digit);
    if (number > 0xFFFFFFFFu) return false;
  }
  // Eight hex digits fill the 32 bits: 0xFFFFFFFF is -1.
  value = static_cast<std::int32_t>(static_cast<std::uint32_t>(number));
  return true;
}

bool ParseDecimal(std::string_view text, std::int32_t& value) {
  const bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  if (text.empty()) return false;
  const std::int64_t limit = negative ? -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min())
                                      : std::numeric_limits<std::int32_t>::max();
  std::int64_t number = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    number = number * 10 + (c - '0');
    if (number > limit) return false;
  }
  value = static_cast<std::int32_t>(negative ? -number : number);
  return true;
}

}  // namespace

bool ParseIniInteger(std::string_view text, std::int32_t& value) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) return ParseHex(text.substr(2), value);
  return ParseDecimal(text, value);
}

}  // namespace text
