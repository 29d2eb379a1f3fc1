#pragma once
// JPEGs made for the decoder's tests with libjpeg's own compressor, so each
// case states the picture it feeds in.

#include <cstdint>
#include <cstdio>  // jpeglib.h uses FILE without including it
#include <vector>

#include <jpeglib.h>

namespace window_picture_test {

struct TJpegRecipe {
  int Width = 16;
  int Height = 16;
  J_COLOR_SPACE ColourSpace = JCS_RGB;  // JCS_GRAYSCALE, JCS_RGB or JCS_CMYK
  std::vector<std::uint8_t> Samples;    // rows top down, the colour space's components per pixel
  bool Progressive = false;
  bool ArithmeticCoded = false;
  std::vector<jpeg_scan_info> Scans;  // a scan script of its own; empty for libjpeg's
};

// Quality 100 without chroma subsampling: blocks of one colour come back within a step or two.
std::vector<std::uint8_t> EncodeJpeg(const TJpegRecipe& recipe);

// A picture in one colour, given in the colour space's components.
TJpegRecipe PlainRecipe(int width, int height, J_COLOR_SPACE colourSpace, const std::vector<std::uint8_t>& colour);

// A progressive scan script with one scan per DCT coefficient for each component.
std::vector<jpeg_scan_info> ScanPerCoefficient(int components);

}  // namespace window_picture_test
