#pragma once
// Letter case of window class names and control kinds, which are ASCII: the
// bytes of other characters (GBK included) stay as they are.

#include <string>
#include <string_view>

namespace skin {

inline std::string AsciiLowered(std::string_view text) {
  std::string lowered(text);
  for (char& c : lowered)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
  return lowered;
}

inline std::string AsciiUppered(std::string_view text) {
  std::string uppered(text);
  for (char& c : uppered)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - ('a' - 'A'));
  return uppered;
}

}  // namespace skin
