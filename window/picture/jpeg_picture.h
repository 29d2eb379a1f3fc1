#pragma once
// JPEG files to pixels, through libjpeg's IJG interface. Free of Win32: the
// window turns the pixels into a device-independent bitmap for `image_today`.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace window {

// A decoded picture laid out as the pixel block of a top-down 24-bit DIB:
// rows from the top down, each `Stride` bytes apart (Width * 3 rounded up to a
// multiple of four, the padding zero), each pixel three bytes blue, green, red.
struct TJpegPicture {
  int Width = 0;
  int Height = 0;
  std::size_t Stride = 0;
  std::vector<std::uint8_t> Pixels;  // Height * Stride bytes
};

// Refused above this many pixels: far beyond any picture the window shows,
// and it bounds the memory and time a hostile header can ask for.
inline constexpr std::uint64_t kMaxJpegPixels = 2048 * 2048;
// Refused with more scans than this (a progressive JPEG needs about ten).
inline constexpr int kMaxJpegScans = 100;

// Reads baseline, progressive and arithmetic-coded JPEGs, greyscale or colour.
// Gives nothing, and never ends the program, for anything else: data that is
// not a JPEG, is truncated or corrupt (a libjpeg warning counts as failure, so
// no grey-filled picture passes as a good one), CMYK, or too big by the limits
// above.
std::optional<TJpegPicture> DecodeJpeg(std::span<const std::uint8_t> jpeg);

}  // namespace window
