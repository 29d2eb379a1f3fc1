#include "tools/skintool/printable.h"

namespace skintool {

namespace {

void AppendEscaped(std::string& text, unsigned char byte) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  text.append({'\\', 'x', kHex[byte >> 4], kHex[byte & 0xF]});
}

}  // namespace

std::string Printable(std::string_view utf8) {
  std::string printable;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    const bool c1Control = byte == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
                           static_cast<unsigned char>(utf8[i + 1]) <= 0x9F;  // U+0080 to U+009F
    if (utf8[i] == '\\') {
      printable += "\\\\";
    } else if (byte < 0x20 || byte == 0x7F) {
      AppendEscaped(printable, byte);
    } else if (c1Control) {
      AppendEscaped(printable, byte);
      AppendEscaped(printable, static_cast<unsigned char>(utf8[++i]));
    } else {
      printable += utf8[i];
    }
  }
  return printable;
}

}  // namespace skintool
