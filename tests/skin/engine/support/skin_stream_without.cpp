#include "skin_stream_without.h"

#include <fstream>
#include <iterator>

#include "skin/data/skin_archive_writer.h"
#include "skin/data/skin_reader.h"
#include "skin/data/skin_stream.h"

namespace skin {

std::vector<std::uint8_t> SkinStreamWithout(const char* skinFile, std::string_view entryName) {
  std::ifstream file(skinFile, std::ios::binary);
  const std::vector<std::uint8_t> archive(std::istreambuf_iterator<char>(file), {});
  TSkinReader reader;
  if (!reader.LoadArchive(archive)) return {};
  std::vector<TSkinEntry> entries;
  for (std::size_t i = 0; i < reader.EntryCount(); ++i) {
    if (reader.Names()[i] == entryName) continue;
    const auto bytes = reader.Entry(i);
    entries.push_back(TSkinEntry{reader.Names()[i], std::vector<std::uint8_t>(bytes.begin(), bytes.end())});
  }
  return WriteSkinStream(ComposeSkinArchive(entries));
}

}  // namespace skin
