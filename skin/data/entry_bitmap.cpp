#include "skin/data/entry_bitmap.h"

#include "skin/data/bmp_decoder.h"

namespace skin {
namespace {

bool IsGbkLeadByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x81 && byte <= 0xFE;
}

// The extension of an entry name: from its last '.', dot included; empty without a dot.
std::string_view ExtensionOf(std::string_view entryName) {
  std::size_t dot = std::string_view::npos;
  for (std::size_t i = 0; i < entryName.size(); ++i) {
    if (IsGbkLeadByte(entryName[i])) {
      ++i;
    } else if (entryName[i] == '.') {
      dot = i;
    }
  }
  return dot == std::string_view::npos ? std::string_view() : entryName.substr(dot);
}

}  // namespace

std::string_view EntryNameOf(std::string_view imageName) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < imageName.size(); ++i) {
    if (IsGbkLeadByte(imageName[i])) {
      ++i;
    } else if (imageName[i] == '\\' || imageName[i] == ':') {
      start = i + 1;
    }
  }
  return imageName.substr(start);
}

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
