#pragma once
// Pictures of the skin, found by name among the archive's entries.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

#include "skin/data/skin_bitmap.h"
#include "skin/data/skin_budget.h"

namespace skin {

// The bytes of the archive entry called `name`, compared without regard to
// ASCII case (the first entry of that name); empty when there is none. The
// bytes stay where they are as long as the lookup lives.
using TEntryLookup = std::function<std::span<const std::uint8_t>(std::string_view name)>;

// The part of an image name after its last '\' or ':'. The name is GBK text,
// so a '\' that is the second byte of a Chinese character is no separator.
std::string_view EntryNameOf(std::string_view imageName);

// The skin's pictures by image name. Each entry is decoded once, however many
// keys name it, and every picture of it shares its pixels; the pixels count
// against the budget.
class TSkinPictures {
 public:
  TSkinPictures(TEntryLookup entries, TSkinBudget& budget) : entries_(std::move(entries)), budget_(budget) {}

  // The picture an image name refers to; empty for a name without the
  // extension ".bmp" (exactly that, lower case) or without an entry. Throws
  // EInvalidGraphic when the entry is no valid BMP file and ESkinTooLarge when
  // its pixels would pass the budget.
  TSkinBitmap Picture(std::string_view imageName);

 private:
  TEntryLookup entries_;
  TSkinBudget& budget_;
  std::unordered_map<std::string, TSkinBitmap> decoded_;  // by lowered entry name
};

}  // namespace skin
