// Any bytes as a skin file and as a SkinStream value: loading succeeds or
// fails cleanly within the skin's memory budget, and a loaded directory hands
// out exactly its entries. Every declared size is decoded as the program would.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "skin/data/skin_reader.h"
#include "skin/data/skin_stream.h"

namespace {

void CheckLoad(std::span<const std::uint8_t> archive) {
  skin::TSkinReader reader;
  if (!reader.LoadArchive(archive)) {
    if (reader.EntryCount() != 0) __builtin_trap();
    return;
  }
  const std::vector<std::string>& names = reader.Names();
  if (names.size() > skin::kMaxSkinEntries) __builtin_trap();
  std::vector<std::uint8_t> entry;
  for (std::size_t i = 0; i < names.size(); ++i) {
    std::size_t first = 0;  // lookups find the first entry of a name
    while (names[first] != names[i]) ++first;
    if (!reader.ExtractEntry(names[i], entry)) __builtin_trap();
    if (entry.size() != static_cast<std::size_t>(reader.Sizes()[first])) __builtin_trap();
  }
  std::string found;
  reader.ExtractEntryContaining(".ini", entry, found);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> input(data, size);
  CheckLoad(input);
  if (const std::optional<std::vector<std::uint8_t>> archive = skin::ReadSkinStream(input)) CheckLoad(*archive);
  return 0;
}
