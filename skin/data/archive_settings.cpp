#include "skin/data/archive_settings.h"

#include <string>
#include <vector>

#include "skin/data/skin_settings_reader.h"

namespace skin {

TEntryLookup ArchiveEntries(const TSkinReader& reader) {
  return [&reader](std::string_view name) {
    std::vector<std::uint8_t> bytes;
    reader.ExtractEntry(name, bytes);
    return bytes;
  };
}

bool ReadArchiveSettings(TSkinSettings& skin, const TSkinReader& reader) {
  skin.SkinEmpty = true;
  std::vector<std::uint8_t> text;
  std::string name;
  if (!reader.ExtractEntryContaining(".ini", text, name)) return false;
  ReadSkinSettings(skin, std::string_view(reinterpret_cast<const char*>(text.data()), text.size()),
                   ArchiveEntries(reader));
  return true;
}

}  // namespace skin
