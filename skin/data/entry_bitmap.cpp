#include "skin/data/entry_bitmap.h"

#include "skin/data/bmp_decoder.h"
#include "skin/data/skin_names.h"
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

TSkinBitmap TSkinPictures::Picture(std::string_view imageName) {
  const std::string_view entryName = EntryNameOf(imageName);
  if (entryName.empty() || ExtensionOf(entryName) != ".bmp") return {};
  const std::string key = LowerAsciiLetters(entryName);
  if (const auto found = decoded_.find(key); found != decoded_.end()) return found->second;
  const std::span<const std::uint8_t> bytes = entries_(entryName);
  TSkinBitmap picture = bytes.empty() ? TSkinBitmap() : DecodeBmp(bytes, budget_);
  return decoded_.emplace(key, std::move(picture)).first->second;
}

}  // namespace skin
