#include "skin/data/ini_text.h"

#include <algorithm>
#include <limits>

namespace skin {
namespace {

// The profile functions count Ctrl-Z (end-of-file mark of old editors) as a blank.
bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

bool SameName(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

std::string ProfileValue(std::string_view raw) {
  std::string_view value = raw;
  const bool quoted =
      value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
  if (quoted) value.remove_prefix(1);
  // The closing quote only goes when the whole value fits, as the profile functions do it.
  if (value.size() > TIniText::kMaxValueLength) return std::string(value.substr(0, TIniText::kMaxValueLength));
  if (quoted) value.remove_suffix(1);
  return std::string(value);
}

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

TIniText::TIniText(std::string_view text) {
  sections_.push_back({});  // keys above the first section header, unreachable by name
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    const std::string_view line = Trim(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));

    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      const std::size_t close = line.rfind(']');
      if (close != std::string_view::npos) {
        sections_.push_back({std::string(Trim(line.substr(1, close - 1))), {}});
        continue;
      }
      // Without a closing bracket the line is an ordinary key line.
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    sections_.back().keys.push_back(
        {std::string(Trim(line.substr(0, equals))), ProfileValue(Trim(line.substr(equals + 1)))});
  }
}

const std::string* TIniText::FindValue(std::string_view section, std::string_view key) const {
  // Only the first section of a name is searched, as the profile functions do.
  const auto found = std::ranges::find_if(sections_.begin() + 1, sections_.end(),
                                          [&](const Section& s) { return SameName(s.name, section); });
  if (found == sections_.end()) return nullptr;
  const auto entry = std::ranges::find_if(found->keys, [&](const Key& k) { return SameName(k.name, key); });
  return entry == found->keys.end() ? nullptr : &entry->value;
}

std::string TIniText::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const {
  const std::string* value = FindValue(section, key);
  return value ? *value : std::string(fallback);
}

std::int32_t TIniText::ReadInteger(std::string_view section, std::string_view key, std::int32_t fallback) const {
  const std::string* text = FindValue(section, key);
  std::int32_t value = 0;
  return text && ParseIniInteger(*text, value) ? value : fallback;
}

std::vector<std::string> TIniText::ReadSections() const {
  std::vector<std::string> names;
  for (auto it = sections_.begin() + 1; it != sections_.end(); ++it) {
    if (!it->name.empty()) names.push_back(it->name);
  }
  return names;
}

}  // namespace skin
