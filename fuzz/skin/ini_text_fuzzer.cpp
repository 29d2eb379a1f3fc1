// Any bytes as a settings text: reading never fails, values keep to their
// length limit, and every listed section can be read back by its name.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "skin/data/ini_text.h"
#include "text/ini_integer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const skin::TIniText ini(text);
  for (const std::string& section : ini.ReadSections()) {
    if (section.empty()) __builtin_trap();
    for (std::string_view key : {"Image", "FrameCount", "color", "", "Image "}) {
      const std::string value = ini.ReadString(section, key, "");
      if (value.size() > skin::TIniText::kMaxValueLength) __builtin_trap();
      // The integer reading agrees with the text reading (a missing key reads as "", no number).
      std::int32_t parsed = 0;
      const std::int32_t expected = text::ParseIniInteger(value, parsed) ? parsed : 7;
      if (ini.ReadInteger(section, key, 7) != expected) __builtin_trap();
    }
  }
  return 0;
}
