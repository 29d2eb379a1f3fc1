#include "skin/data/skin_archive_writer.h"

#include <stdexcept>

#include "skin/data/little_endian.h"
#include "skin/data/lzh_encoder.h"
#include "skin/data/skin_names.h"
#include "skin/data/skin_reader.h"

namespace skin {

std::vector<std::uint8_t> ComposeSkinImage(const std::vector<TSkinEntry>& entries) {
  if (entries.size() > kMaxSkinEntries) throw std::invalid_argument("more than 1001 entries");
  std::vector<std::string> names;
  std::size_t total = 0;
  for (const TSkinEntry& entry : entries) {
    if (entry.Name.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos) {
      throw std::invalid_argument("entry name holds a line break or a zero byte: " + entry.Name);
    }
    names.push_back(entry.Name);
    total += entry.Name.size() + 2 + 4 + entry.Bytes.size();
  }
  if (total > static_cast<std::size_t>(kMaxSkinImageSize) - kSkinImageHeaderSize)
    throw std::invalid_argument("image above 32 MiB");

  const std::string block = JoinNameLines(names);
  std::vector<std::uint8_t> image;
  image.reserve(kSkinImageHeaderSize + total);
  AppendInt32Le(image, kSkinArchiveVersion);
  AppendInt32Le(image, static_cast<std::int32_t>(block.size()));
  AppendInt32Le(image, 0);  // reserved
  AppendInt32Le(image, 0);  // reserved
  image.insert(image.end(), block.begin(), block.end());
  for (const TSkinEntry& entry : entries) AppendInt32Le(image, static_cast<std::int32_t>(entry.Bytes.size()));
  for (const TSkinEntry& entry : entries) image.insert(image.end(), entry.Bytes.begin(), entry.Bytes.end());
  return image;
}

std::vector<std::uint8_t> ComposeSkinArchive(const std::vector<TSkinEntry>& entries) {
  const std::vector<std::uint8_t> image = ComposeSkinImage(entries);
  const std::vector<std::uint8_t> stream = LzhEncode(image);
  std::vector<std::uint8_t> archive;
  archive.reserve(4 + stream.size());
  AppendInt32Le(archive, static_cast<std::int32_t>(image.size()));
  archive.insert(archive.end(), stream.begin(), stream.end());
  return archive;
}

}  // namespace skin
