#pragma once
// The window's picture files (assets/pictures) as bytes.

#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace window_picture_test {

inline std::vector<std::uint8_t> ReadPictureFile(const std::string& name) {
  const std::string path = std::string(RILVANTA_PICTURES_DIR) + "/" + name;
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot open " + path);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace window_picture_test
