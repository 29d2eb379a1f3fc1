#include "skin/data/archive_settings.h"

#include <optional>
#include <string>

#include "skin/data/skin_settings_reader.h"

namespace skin {

TEntryLookup ArchiveEntries(const TSkinReader& reader) {
  return [&reader](std::string_view name) {
    const std::optional<std::size_t> index = reader.Find(name);
    return index ? reader.Entry(*index) : std::span<const std::uint8_t>();
  };
}

bool ReadArchiveSettings(TSkinSettings& skin, const TSkinReader& reader, TSkinBudget& budget) {
  skin.SkinEmpty = true;
  const std::optional<std::size_t> settings = reader.FindContaining(".ini");
  if (!settings) return false;
  const std::span<const std::uint8_t> text = reader.Entry(*settings);
  ReadSkinSettings(skin, std::string_view(reinterpret_cast<const char*>(text.data()), text.size()),
                   ArchiveEntries(reader), budget);
  return true;
}

bool ReadArchiveSettings(TSkinSettings& skin, const TSkinReader& reader) {
  TSkinBudget budget;
  return ReadArchiveSettings(skin, reader, budget);
}

}  // namespace skin
