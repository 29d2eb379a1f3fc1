#pragma once
// A settings text in INI form, read in memory with the rules of the Windows
// profile functions (GetPrivateProfileString and friends):
// - a line whose first non-blank character is ';' is a comment;
// - "[name]" starts a section (the text up to the line's last ']');
// - "key=value" lines belong to the section above them; blanks around names and
//   values do not count, and a line without '=' holds no value;
// - section and key names compare without regard to ASCII case; when a section
//   or key occurs twice, the first one counts;
// - a value enclosed in a pair of equal quotes (' or ") loses them, and values
//   are cut to 2,047 characters.
// Lines end at CR, LF or CR LF. A text that starts with a UTF-16 byte-order
// mark (either byte order) or a UTF-8 one is read as Unicode, as the profile
// functions do, and turned into the engine's GBK text; any other text is GBK.
// Lookups go through an index of sections and keys built once, so reading a
// text of many sections takes time in proportion to its length.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "skin/data/skin_budget.h"

namespace skin {

class TIniText {
 public:
  // `bytes`: the settings text as stored. With a budget, the text's copies and
  // index count against it (ESkinTooLarge when they would pass it).
  explicit TIniText(std::string_view bytes, TSkinBudget* budget = nullptr);

  // The key's value, or `fallback` when the section or key is missing.
  std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;

  // A decimal number, or a hexadecimal one written "0x..." (longer than two
  // characters); `fallback` for a missing key and for any other text.
  std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t fallback) const;

  // Every section name in file order, repeats included, unnamed sections left out.
  std::vector<std::string> ReadSections() const;

  static constexpr std::size_t kMaxValueLength = 2047;

 private:
  // Values by lowered key name, the first of a name kept.
  using TKeys = std::unordered_map<std::string, std::string>;

  const std::string* FindValue(std::string_view section, std::string_view key) const;

  // Every section name in file order, and the keys of the first section of
  // each lowered name; keys above the first header belong to no section.
  std::vector<std::string> sectionNames_;
  std::unordered_map<std::string, TKeys> sections_;
};

}  // namespace skin
