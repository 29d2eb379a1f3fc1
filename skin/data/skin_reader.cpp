#include "skin/data/skin_reader.h"

#include <algorithm>

#include "skin/data/little_endian.h"
#include "skin/data/lzh_decoder.h"
#include "skin/data/lzh_model.h"
#include "skin/data/skin_names.h"

namespace skin {

namespace {

constexpr std::size_t kDeclaredSizeBytes = 4;

// Watches the image while it is decoded and stops the decoding as soon as the
// image cannot load. A name takes at most two line-break bytes (CR LF), so a
// names block with more than 2 x kMaxSkinEntries of them before its first zero
// byte holds too many names, whatever its length.
class TImageWatch {
 public:
  bool CarryOn(const TLzhProgress& progress) {
    const std::span<const std::uint8_t> image = progress.Output;
    if (progress.PastEnd) return false;
    if (image.size() >= 4 && ReadInt32Le(image, 0) != kSkinArchiveVersion) return false;
    if (image.size() < kSkinImageHeaderSize) return true;
    const std::size_t namesEnd = kSkinImageHeaderSize + static_cast<std::size_t>(std::max(ReadInt32Le(image, 4), 0));
    for (; scanned_ < std::min(namesEnd, image.size()) && !namesEnded_; ++scanned_) {
      const std::uint8_t c = image[scanned_];
      namesEnded_ = c == 0;
      if (c == '\r' || c == '\n') ++breaks_;
    }
    return !TooManyNames();
  }
  bool TooManyNames() const { return breaks_ > 2 * kMaxSkinEntries; }

 private:
  std::size_t scanned_ = kSkinImageHeaderSize;
  std::size_t breaks_ = 0;
  bool namesEnded_ = false;
};

}  // namespace

std::string_view DescribeArchiveFault(TArchiveFault fault) {
  switch (fault) {
    case TArchiveFault::None:
      return "no fault";
    case TArchiveFault::NoDeclaredSize:
      return "the archive is shorter than its 4-byte decompressed size";
    case TArchiveFault::ImageTooLarge:
      return "the declared decompressed size is above 32 MiB";
    case TArchiveFault::OverBudget:
      return "the decompressed image and its names need more memory than a skin may take";
    case TArchiveFault::OlderVersion:
      return "the archive version is not 20000";
    case TArchiveFault::StreamCut:
      return "the compressed stream ends before the declared size is decoded";
    case TArchiveFault::HeaderCut:
      return "the decompressed image is shorter than its 16-byte header";
    case TArchiveFault::NamesBeyondImage:
      return "the names block runs past the end of the image";
    case TArchiveFault::TooManyEntries:
      return "the archive has more than 1001 entries";
    case TArchiveFault::SizesBeyondImage:
      return "the entry size table runs past the end of the image";
    case TArchiveFault::NegativeSize:
      return "an entry size is negative";
    case TArchiveFault::SizesBeyondData:
      return "the entry sizes add up to more than the data area";
  }
  return "unknown fault";
}

TSkinReader::TSkinReader(TShowMessage showMessage) : showMessage_(std::move(showMessage)) {}

bool TSkinReader::LoadArchive(std::span<const std::uint8_t> archive) {
  TSkinBudget budget;
  return LoadArchive(archive, budget);
}

bool TSkinReader::LoadArchive(std::span<const std::uint8_t> archive, TSkinBudget& budget) {
  *this = TSkinReader(std::move(showMessage_));  // start from an empty reader
  if (archive.size() < kDeclaredSizeBytes) return Refuse(TArchiveFault::NoDeclaredSize);
  declaredSize_ = ReadInt32Le(archive, 0);
  if (declaredSize_ > kMaxSkinImageSize) return Refuse(TArchiveFault::ImageTooLarge);
  try {
    return Decode(archive.subspan(kDeclaredSizeBytes), budget) && ReadDirectory(budget);
  } catch (const ESkinTooLarge&) {
    return Refuse(TArchiveFault::OverBudget);
  }
}

bool TSkinReader::Refuse(TArchiveFault fault) {
  names_.clear();
  sizes_.clear();
  offsets_.clear();
  image_.clear();
  image_.shrink_to_fit();
  dataStart_ = 0;
  fault_ = fault;
  return false;
}

bool TSkinReader::Decode(std::span<const std::uint8_t> stream, TSkinBudget& budget) {
  // Decoding writes the declared size and up to one match more.
  budget.Reserve(static_cast<std::size_t>(std::max(declaredSize_, 0)) + lzh::kLongestMatch, "the decompressed image");
  TImageWatch watch;
  bool endedEarly = false;
  image_ = LzhDecode(declaredSize_, stream, &endedEarly,
                     [&watch](const TLzhProgress& progress) { return watch.CarryOn(progress); });
  imageSize_ = image_.size();
  // A cut stream comes first: what was decoded from zero bits past its end,
  // the version included, says nothing.
  if (endedEarly) {
    if (showMessage_) showMessage_(kCutSkinMessage);
    return Refuse(TArchiveFault::StreamCut);
  }
  // The version is read from what the image holds, missing bytes as zero: an
  // empty image (declared size 0 or less) has version 0, and an image too
  // short for its header still gets the version message when its version is
  // wrong.
  std::uint8_t versionBytes[4] = {};
  std::copy_n(image_.begin(), std::min(image_.size(), sizeof versionBytes), versionBytes);
  version_ = ReadInt32Le(versionBytes, 0);
  if (version_ != kSkinArchiveVersion) {
    if (showMessage_) showMessage_(kOlderSkinMessage);
    return Refuse(TArchiveFault::OlderVersion);
  }
  if (watch.TooManyNames()) return Refuse(TArchiveFault::TooManyEntries);
  return true;
}

bool TSkinReader::ReadDirectory(TSkinBudget& budget) {
  const std::span<const std::uint8_t> image = image_;
  if (image.size() < kSkinImageHeaderSize) return Refuse(TArchiveFault::HeaderCut);
  namesLength_ = ReadInt32Le(image, 4);
  if (namesLength_ < 0 || static_cast<std::size_t>(namesLength_) > image.size() - kSkinImageHeaderSize) {
    return Refuse(TArchiveFault::NamesBeyondImage);
  }
  const std::span<const std::uint8_t> block = image.subspan(kSkinImageHeaderSize, namesLength_);
  // The watch let through at most 2 x kMaxSkinEntries line breaks, so at most
  // one name more; each name also has a size and an offset.
  constexpr std::size_t kPerName = sizeof(std::string) + sizeof(std::int32_t) + sizeof(std::size_t);
  budget.Reserve(block.size() + (2 * kMaxSkinEntries + 1) * kPerName, "the entry names");
  names_ =
      SplitNameLines(LowerAsciiLetters(std::string_view(reinterpret_cast<const char*>(block.data()), block.size())));
  if (names_.size() > kMaxSkinEntries) return Refuse(TArchiveFault::TooManyEntries);

  const std::size_t sizesStart = kSkinImageHeaderSize + block.size();
  const std::size_t dataStart = sizesStart + 4 * names_.size();
  if (dataStart > image.size()) return Refuse(TArchiveFault::SizesBeyondImage);
  std::uint64_t offset = 0;  // up to 1,001 sizes of 2 GiB each
  for (std::size_t i = 0; i < names_.size(); ++i) {
    const std::int32_t size = ReadInt32Le(image, sizesStart + 4 * i);
    if (size < 0) return Refuse(TArchiveFault::NegativeSize);
    sizes_.push_back(size);
    offsets_.push_back(offset);
    offset += static_cast<std::uint64_t>(size);
  }
  if (offset > image.size() - dataStart) return Refuse(TArchiveFault::SizesBeyondData);
  dataStart_ = dataStart;
  return true;
}

std::span<const std::uint8_t> TSkinReader::Entry(std::size_t index) const {
  return DataArea().subspan(offsets_[index], static_cast<std::size_t>(sizes_[index]));
}

void TSkinReader::CopyOut(std::size_t index, std::vector<std::uint8_t>& destination) const {
  const std::span<const std::uint8_t> entry = Entry(index);
  destination.assign(entry.begin(), entry.end());
}

std::optional<std::size_t> TSkinReader::Find(std::string_view name) const {
  const std::string lowered = LowerAsciiLetters(name);
  const auto found = std::ranges::find(names_, lowered);
  if (found == names_.end()) return std::nullopt;
  return static_cast<std::size_t>(found - names_.begin());
}

bool TSkinReader::ExtractEntry(std::string_view name, std::vector<std::uint8_t>& destination) const {
  destination.clear();
  const std::optional<std::size_t> index = Find(name);
  if (index) CopyOut(*index, destination);
  return index.has_value();
}

std::optional<std::size_t> TSkinReader::FindContaining(std::string_view pattern) const {
  if (pattern.empty()) return std::nullopt;
  const auto found = std::ranges::find_if(
      names_, [pattern](const std::string& name) { return name.find(pattern) != std::string::npos; });
  if (found == names_.end()) return std::nullopt;
  return static_cast<std::size_t>(found - names_.begin());
}

bool TSkinReader::ExtractEntryContaining(std::string_view pattern, std::vector<std::uint8_t>& destination,
                                         std::string& foundName) const {
  destination.clear();
  const std::optional<std::size_t> index = FindContaining(pattern);
  if (!index) return false;
  foundName = names_[*index];
  CopyOut(*index, destination);
  return true;
}

}  // namespace skin
