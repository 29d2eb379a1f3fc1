#include "ui/graphics/colour.h"

#include <cmath>

namespace ui {

COLORREF ColourToRgb(TColour colour) {
  if (IsSystemColour(colour)) return GetSysColor(colour & 0xFF);
  return colour & 0x00FFFFFFu;
}

namespace {

// Dimmed text keeps this much, a margin over kReadableContrast.
constexpr double kDimmedContrast = 6;

double Linear(BYTE channel) {
  const double value = channel / 255.0;
  return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double Luminance(COLORREF colour) {
  return 0.2126 * Linear(GetRValue(colour)) + 0.7152 * Linear(GetGValue(colour)) + 0.0722 * Linear(GetBValue(colour));
}

BYTE Mix(BYTE from, BYTE to, int share, int whole) { return static_cast<BYTE>(from + (to - from) * share / whole); }

COLORREF Towards(COLORREF from, COLORREF to, int share, int whole) {
  return RGB(Mix(GetRValue(from), GetRValue(to), share, whole), Mix(GetGValue(from), GetGValue(to), share, whole),
             Mix(GetBValue(from), GetBValue(to), share, whole));
}

}  // namespace

double ContrastRatio(COLORREF first, COLORREF second) {
  const double a = Luminance(first), b = Luminance(second);
  return a > b ? (a + 0.05) / (b + 0.05) : (b + 0.05) / (a + 0.05);
}

COLORREF DimmedText(COLORREF text, COLORREF background) {
  // Contrast falls steadily on the way to the background: the last step that keeps it wins.
  constexpr int kSteps = 32;
  COLORREF dimmed = text;
  for (int step = 1; step < kSteps; ++step) {
    const COLORREF next = Towards(text, background, step, kSteps);
    if (ContrastRatio(next, background) < kDimmedContrast) break;
    dimmed = next;
  }
  return dimmed;
}

COLORREF ReadableText(COLORREF text, COLORREF background) {
  if (ContrastRatio(text, background) >= kReadableContrast) return text;
  const COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255);
  return ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
}

}  // namespace ui
