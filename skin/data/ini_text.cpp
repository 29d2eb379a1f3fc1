#include "skin/data/ini_text.h"

#include <algorithm>

#include "text/gbk.h"
#include "text/ini_integer.h"

namespace skin {
namespace {

// The profile functions count Ctrl-Z (end-of-file mark of old editors) as a blank.
bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Names compare byte by byte without regard to ASCII case, trail bytes of
// Chinese characters included, as the profile functions compare them.
std::string LoweredName(std::string_view name) {
  std::string lowered(name);
  for (char& c : lowered) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
  }
  return lowered;
}

// What one stored name or value costs beside its characters: the string, its
// node and bucket in a hash table and the allocator's share, measured roughly.
constexpr std::size_t kEntryOverhead = 128;

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

// UTF-16 code units of `bytes` in the given byte order; an odd last byte is dropped.
std::u16string Utf16Units(std::string_view bytes, bool bigEndian) {
  std::u16string units(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i) {
    const auto first = static_cast<unsigned char>(bytes[2 * i]);
    const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
    units[i] = static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
  }
  return units;
}

// The text in GBK: Unicode behind a byte-order mark converted, anything else as it is.
std::string GbkText(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xFE")) return text::Utf16ToGbk(Utf16Units(bytes.substr(2), false));
  if (bytes.starts_with("\xFE\xFF")) return text::Utf16ToGbk(Utf16Units(bytes.substr(2), true));
  if (bytes.starts_with("\xEF\xBB\xBF")) return text::Utf8ToGbk(bytes.substr(3));
  return std::string(bytes);
}

}  // namespace

TIniText::TIniText(std::string_view bytes, TSkinBudget* budget) {
  const auto charge = [budget](std::size_t size) {
    if (budget) budget->Reserve(size, "the settings text");
  };
  charge(bytes.size());
  const std::string gbk = GbkText(bytes);
  std::string_view text = gbk;
  TKeys* keys = nullptr;  // where key lines go; none before the first header, or in a repeated section
  while (!text.empty()) {
    const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
    const std::string_view line = Trim(text.substr(0, end));
    // A CR LF pair ends one line.
    const std::size_t breakLength = text.substr(end).starts_with("\r\n") ? 2 : 1;
    text.remove_prefix(std::min(end + breakLength, text.size()));

    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      const std::size_t close = line.rfind(']');
      if (close != std::string_view::npos) {
        const std::string_view name = Trim(line.substr(1, close - 1));
        charge(2 * name.size() + 3 * kEntryOverhead);  // its name twice, its node and its own key table
        sectionNames_.emplace_back(name);
        const auto [section, added] = sections_.try_emplace(LoweredName(name));
        keys = added ? &section->second : nullptr;
        continue;
      }
      // Without a closing bracket the line is an ordinary key line.
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || !keys) continue;
    const std::string_view name = Trim(line.substr(0, equals));
    std::string value = ProfileValue(Trim(line.substr(equals + 1)));
    charge(name.size() + value.size() + kEntryOverhead);
    keys->try_emplace(LoweredName(name), std::move(value));
  }
}

const std::string* TIniText::FindValue(std::string_view section, std::string_view key) const {
  const auto found = sections_.find(LoweredName(section));
  if (found == sections_.end()) return nullptr;
  const auto entry = found->second.find(LoweredName(key));
  return entry == found->second.end() ? nullptr : &entry->second;
}

std::string TIniText::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const {
  const std::string* value = FindValue(section, key);
  return value ? *value : std::string(fallback);
}

std::int32_t TIniText::ReadInteger(std::string_view section, std::string_view key, std::int32_t fallback) const {
  const std::string* found = FindValue(section, key);
  std::int32_t value = 0;
  return found && text::ParseIniInteger(*found, value) ? value : fallback;
}

std::vector<std::string> TIniText::ReadSections() const {
  std::vector<std::string> names;
  for (const std::string& name : sectionNames_) {
    if (!name.empty()) names.push_back(name);
  }
  return names;
}

}  // namespace skin
