#pragma once
// The one colour value of the program, as the window layout and the skin store
// it: 0x00BBGGRR for an RGB colour, or 0xFF0000nn for the platform's system
// colour number nn (looked up only when painting, ui::ColourToRgb). Free of
// Win32, so the month-view model and the skin reader share it with the widgets.

#include <cstdint>

using TColour = std::uint32_t;

constexpr TColour RgbColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return static_cast<TColour>(red) | static_cast<TColour>(green) << 8 | static_cast<TColour>(blue) << 16;
}
constexpr TColour SystemColour(std::uint8_t index) { return 0xFF000000u | index; }
constexpr bool IsSystemColour(TColour colour) { return (colour >> 24) == 0xFF; }

constexpr std::uint8_t RedOf(TColour colour) { return colour & 0xFF; }
constexpr std::uint8_t GreenOf(TColour colour) { return (colour >> 8) & 0xFF; }
constexpr std::uint8_t BlueOf(TColour colour) { return (colour >> 16) & 0xFF; }

inline constexpr TColour clBlack = 0x000000;
inline constexpr TColour clWhite = 0xFFFFFF;
inline constexpr TColour clRed = 0x0000FF;
inline constexpr TColour clGreen = 0x008000;
inline constexpr TColour clBlue = 0xFF0000;
inline constexpr TColour clFuchsia = 0xFF00FF;
inline constexpr TColour clGray = 0x808080;
// "No colour": outside both the RGB and the system-colour ranges.
inline constexpr TColour clNone = 0x1FFFFFFF;

// System colours by the platform's COLOR_* numbers.
inline constexpr TColour clScrollBar = SystemColour(0);
inline constexpr TColour clMenu = SystemColour(4);
inline constexpr TColour clWindow = SystemColour(5);
inline constexpr TColour clMenuText = SystemColour(7);
inline constexpr TColour clWindowText = SystemColour(8);
inline constexpr TColour clCaptionText = SystemColour(9);
inline constexpr TColour clHighlight = SystemColour(13);
inline constexpr TColour clHighlightText = SystemColour(14);
inline constexpr TColour clBtnFace = SystemColour(15);
inline constexpr TColour clBtnShadow = SystemColour(16);
inline constexpr TColour clGrayText = SystemColour(17);
inline constexpr TColour clBtnText = SystemColour(18);
inline constexpr TColour clInactiveCaptionText = SystemColour(19);
inline constexpr TColour clBtnHighlight = SystemColour(20);
