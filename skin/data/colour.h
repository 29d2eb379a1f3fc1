#pragma once
// Colour values of the skin: 0x00BBGGRR for an RGB colour, or 0xFF0000nn for
// the platform's system colour number nn.

#include <cstdint>

namespace skin {

using TColour = std::uint32_t;

constexpr TColour RgbColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return static_cast<TColour>(red) | static_cast<TColour>(green) << 8 | static_cast<TColour>(blue) << 16;
}
constexpr TColour SystemColour(std::uint8_t index) { return 0xFF000000u | index; }
constexpr bool IsSystemColour(TColour colour) { return (colour >> 24) == 0xFF; }

constexpr std::uint8_t RedOf(TColour colour) { return colour & 0xFF; }
constexpr std::uint8_t GreenOf(TColour colour) { return (colour >> 8) & 0xFF; }
constexpr std::uint8_t BlueOf(TColour colour) { return (colour >> 16) & 0xFF; }

// The system colours the skin falls back to (the platform's COLOR_* numbers).
namespace syscolour {
constexpr TColour kScrollbar = SystemColour(0);
constexpr TColour kMenu = SystemColour(4);
constexpr TColour kMenuText = SystemColour(7);
constexpr TColour kWindowText = SystemColour(8);
constexpr TColour kCaptionText = SystemColour(9);
constexpr TColour kHighlight = SystemColour(13);
constexpr TColour kHighlightText = SystemColour(14);
constexpr TColour kButtonFace = SystemColour(15);
constexpr TColour kButtonShadow = SystemColour(16);
constexpr TColour kButtonText = SystemColour(18);
constexpr TColour kInactiveCaptionText = SystemColour(19);
constexpr TColour kButtonHighlight = SystemColour(20);
}  // namespace syscolour

}  // namespace skin
