#include "skin/data/colour_keys.h"

#include <array>
#include <string>

namespace skin {

TColour ParseColourText(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);

  std::array<unsigned, 3> rgb{};
  std::size_t stored = 0;
  bool inNumber = false;
  unsigned number = 0;  // kept modulo 256 digit by digit, so no length of digits can overflow it
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      number = (number * 10 + static_cast<unsigned>(c - '0')) % 256;
      inNumber = true;
    } else if (inNumber) {
      if (stored < rgb.size()) rgb[stored++] = number;
      inNumber = false;
      number = 0;
    }
  }
  if (inNumber && stored == 2) rgb[2] = number;
  return RgbColour(static_cast<std::uint8_t>(rgb[0]), static_cast<std::uint8_t>(rgb[1]),
                   static_cast<std::uint8_t>(rgb[2]));
}

TColour ReadColourKey(const TIniText& ini, std::string_view section, std::string_view key, TColour fallback) {
  const std::string text = ini.ReadString(section, key, "");
  return text.empty() ? fallback : ParseColourText(text);
}

void ReadRGBKeys(const TIniText& ini, std::string_view section, std::string_view prefix, TColour& colour) {
  const std::string name(prefix);
  const std::int32_t red = ini.ReadInteger(section, name + "R", -1);
  const std::int32_t green = ini.ReadInteger(section, name + "G", -1);
  const std::int32_t blue = ini.ReadInteger(section, name + "B", -1);
  if (red >= 0 && green >= 0 && blue >= 0) {
    colour = RgbColour(static_cast<std::uint8_t>(red % 256), static_cast<std::uint8_t>(green % 256),
                       static_cast<std::uint8_t>(blue % 256));
  }
}

}  // namespace skin
