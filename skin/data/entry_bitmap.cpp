#include "skin/data/entry_bitmap.h"

#include "skin/data/bmp_decoder.h"
#include "text/gbk_search.h"

namespace skin {
namespace {

// The extension of an entry name: from its last '.', dot included; empty without a dot.
std::string_view ExtensionOf(std::string_view entryName) {
  const std::size_t dot = text::FindLastGbkOf(entryName, ".");
  return dot == std::string_view::npos ? std::string_view() : entryName.substr(dot);
}

}  // namespace

std::string_view EntryNameOf(std::string_view imageName) { return text::GbkAfterLast(imageName, "\\:"); }

void LoadEntryBitmap(TSkinBitmap& bitmap, std::string_view imageName, const TEntryLookup& entries) {
  const std::string_view entryName = EntryNameOf(imageName);
  if (entryName.empty() || ExtensionOf(entryName) != ".bmp") {
    bitmap.Clear();
    return;
  }
  const std::vector<std::uint8_t> bytes = entries(entryName);
  if (bytes.empty()) {
    bitmap.Clear();
  } else {
    bitmap = DecodeBmp(bytes);
  }
}

}  // namespace skin
