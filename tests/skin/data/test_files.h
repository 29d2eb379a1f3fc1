#pragma once
// The test vectors in tests/data: their bytes and what manifest.json says of them.

#include <cstdint>
#include <string>
#include <vector>

namespace skintest {

// The bytes of a file below tests/data, e.g. "lzhuf/ini.lzh".
std::vector<std::uint8_t> ReadTestFile(const std::string& relativePath);

struct TManifestEntry {
  std::string Name;
  std::size_t Size;
  std::string Sha256;
};

// The entries manifest.json lists for sample.skn, in archive order.
std::vector<TManifestEntry> SampleSkinManifest();

}  // namespace skintest
