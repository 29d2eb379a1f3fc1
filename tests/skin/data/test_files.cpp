#include "test_files.h"

#include <fstream>
#include <iterator>
#include <regex>
#include <stdexcept>

namespace skintest {

std::vector<std::uint8_t> ReadTestFile(const std::string& relativePath) {
  const std::string path = std::string(RILVANTA_TESTDATA_DIR) + "/" + relativePath;
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot open test file " + path);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::vector<TManifestEntry> SampleSkinManifest() {
  const std::vector<std::uint8_t> bytes = ReadTestFile("manifest.json");
  const std::string json(bytes.begin(), bytes.end());
  const std::size_t skins = json.find("\"sample.skn\"");
  const std::size_t end = json.find(']', skins);
  if (skins == std::string::npos || end == std::string::npos) throw std::runtime_error("manifest without sample.skn");
  const std::string list = json.substr(skins, end - skins);

  const std::regex entry(R"re("name":\s*"([^"]*)",\s*"size":\s*(\d+),\s*"sha256":\s*"([0-9a-f]{64})")re");
  std::vector<TManifestEntry> entries;
  for (std::sregex_iterator it(list.begin(), list.end(), entry), last; it != last; ++it) {
    entries.push_back({(*it)[1].str(), std::stoul((*it)[2].str()), (*it)[3].str()});
  }
  return entries;
}

}  // namespace skintest
