#pragma once
// Writes skin archives that TSkinReader loads: version 20000, the names with
// CR LF after each, their sizes, the entries' bytes, all LZHUF-compressed
// behind the declared decompressed size.

#include <cstdint>
#include <string>
#include <vector>

namespace skin {

struct TSkinEntry {
  std::string Name;  // 8-bit text without CR, LF or zero bytes
  std::vector<std::uint8_t> Bytes;
};

// The decompressed image. Throws std::invalid_argument for a name that the
// names block cannot hold, more entries than a reader takes, or an image
// above the size a reader accepts.
std::vector<std::uint8_t> ComposeSkinImage(const std::vector<TSkinEntry>& entries);

// The archive (layer stored in skin files): declared size, then the compressed image.
std::vector<std::uint8_t> ComposeSkinArchive(const std::vector<TSkinEntry>& entries);

}  // namespace skin
