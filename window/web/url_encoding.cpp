#include "window/web/url_encoding.h"

namespace DateWin {
namespace {

bool IsUnreserved(unsigned char byte) {
  return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') || byte == '-' ||
         byte == '.' || byte == '_' || byte == '~';
}

}  // namespace

std::string PercentEncode(std::string_view bytes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  encoded.reserve(bytes.size() * 3);
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (IsUnreserved(byte)) {
      encoded += c;
    } else {
      encoded += '%';
      encoded += kHex[byte >> 4];
      encoded += kHex[byte & 0x0F];
    }
  }
  return encoded;
}

std::string FileAddress(std::string_view utf8Path) {
  std::string address = "file:///";
  std::size_t start = 0;
  for (;;) {
    const std::size_t separator = utf8Path.find_first_of("\\/", start);
    const std::string_view part = utf8Path.substr(start, separator - start);
    // The drive's colon stays, as browsers expect it there.
    const bool drive = start == 0 && part.size() == 2 && part[1] == ':';
    address += drive ? std::string(part) : PercentEncode(part);
    if (separator == std::string_view::npos) return address;
    address += '/';
    start = separator + 1;
  }
}

}  // namespace DateWin
