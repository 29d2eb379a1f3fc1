#include "test_jpegs.h"

#include <cstdlib>
#include <stdexcept>

namespace window_picture_test {

std::vector<std::uint8_t> EncodeJpeg(const TJpegRecipe& recipe) {
  jpeg_compress_struct compress{};
  jpeg_error_mgr errors{};
  compress.err = jpeg_std_error(&errors);  // a bad recipe ends the test program with libjpeg's message
  jpeg_create_compress(&compress);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&compress, &buffer, &size);

  compress.image_width = static_cast<JDIMENSION>(recipe.Width);
  compress.image_height = static_cast<JDIMENSION>(recipe.Height);
  compress.in_color_space = recipe.ColourSpace;
  compress.input_components = recipe.ColourSpace == JCS_GRAYSCALE ? 1 : recipe.ColourSpace == JCS_CMYK ? 4 : 3;
  jpeg_set_defaults(&compress);
  jpeg_set_quality(&compress, 100, TRUE);
  for (int i = 0; i < compress.num_components; ++i) {
    compress.comp_info[i].h_samp_factor = 1;
    compress.comp_info[i].v_samp_factor = 1;
  }
  if (recipe.Progressive) jpeg_simple_progression(&compress);
  compress.arith_code = recipe.ArithmeticCoded ? TRUE : FALSE;
  if (!recipe.Scans.empty()) {
    compress.scan_info = recipe.Scans.data();
    compress.num_scans = static_cast<int>(recipe.Scans.size());
  }

  jpeg_start_compress(&compress, TRUE);
  const std::size_t rowBytes = static_cast<std::size_t>(recipe.Width) * compress.input_components;
  if (recipe.Samples.size() != rowBytes * recipe.Height) throw std::invalid_argument("samples do not fit the size");
  while (compress.next_scanline < compress.image_height) {
    auto row = const_cast<JSAMPROW>(recipe.Samples.data() + compress.next_scanline * rowBytes);
    jpeg_write_scanlines(&compress, &row, 1);
  }
  jpeg_finish_compress(&compress);
  std::vector<std::uint8_t> jpeg(buffer, buffer + size);
  std::free(buffer);
  jpeg_destroy_compress(&compress);
  return jpeg;
}

TJpegRecipe PlainRecipe(int width, int height, J_COLOR_SPACE colourSpace, const std::vector<std::uint8_t>& colour) {
  TJpegRecipe recipe;
  recipe.Width = width;
  recipe.Height = height;
  recipe.ColourSpace = colourSpace;
  for (int i = 0; i < width * height; ++i) recipe.Samples.insert(recipe.Samples.end(), colour.begin(), colour.end());
  return recipe;
}

std::vector<jpeg_scan_info> ScanPerCoefficient(int components) {
  std::vector<jpeg_scan_info> scans;
  jpeg_scan_info dc{};
  dc.comps_in_scan = components;
  for (int c = 0; c < components; ++c) dc.component_index[c] = c;
  scans.push_back(dc);  // Ss = Se = 0: the DC coefficients of all components
  for (int c = 0; c < components; ++c) {
    for (int k = 1; k < DCTSIZE2; ++k) {
      jpeg_scan_info ac{};
      ac.comps_in_scan = 1;
      ac.component_index[0] = c;
      ac.Ss = k;
      ac.Se = k;
      scans.push_back(ac);
    }
  }
  return scans;
}

}  // namespace window_picture_test
