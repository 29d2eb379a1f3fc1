#include "skin/data/skin_reader.h"

#include <algorithm>

#include "skin/data/little_endian.h"
#include "skin/data/lzh_decoder.h"
#include "skin/data/skin_names.h"

namespace skin {

namespace {
constexpr std::size_t kDeclaredSizeBytes = 4;
}  // namespace

std::string_view DescribeArchiveFault(TArchiveFault fault) {
  switch (fault) {
    case TArchiveFault::None:
      return "no fault";
    case TArchiveFault::NoDeclaredSize:
      return "the archive is shorter than its 4-byte decompressed size";
    case TArchiveFault::ImageTooLarge:
      return "the declared decompressed size is above 64 MiB";
    case TArchiveFault::OlderVersion:
      return "the archive version is not 20000";
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
  *this = TSkinReader(std::move(showMessage_));  // start from an empty reader
  if (archive.size() < kDeclaredSizeBytes) return Refuse(TArchiveFault::NoDeclaredSize);
  declaredSize_ = ReadInt32Le(archive, 0);
  if (declaredSize_ > kMaxSkinImageSize) return Refuse(TArchiveFault::ImageTooLarge);
  const std::vector<std::uint8_t> image =
      LzhDecode(declaredSize_, archive.subspan(kDeclaredSizeBytes), &streamEndedEarly_);
  imageSize_ = image.size();
  return ReadDirectory(image);
}

bool TSkinReader::Refuse(TArchiveFault fault) {
  names_.clear();
  sizes_.clear();
  offsets_.clear();
  data_.clear();
  fault_ = fault;
  return false;
}

bool TSkinReader::ReadDirectory(std::span<const std::uint8_t> image) {
  // The version is read from what the image holds, missing bytes as zero:
  // an empty image (declared size 0 or less) has version 0, and an image too
  // short for its header still gets the version message when its version is
  // wrong. Only a cut header with the right version is malformed.
  std::uint8_t versionBytes[4] = {};
  std::copy_n(image.begin(), std::min(image.size(), sizeof versionBytes), versionBytes);
  version_ = ReadInt32Le(versionBytes, 0);
  if (version_ != kSkinArchiveVersion) {
    if (showMessage_) showMessage_(kOlderSkinMessage);
    return Refuse(TArchiveFault::OlderVersion);
  }
  if (image.size() < kSkinImageHeaderSize) return Refuse(TArchiveFault::HeaderCut);
  namesLength_ = ReadInt32Le(image, 4);
  if (namesLength_ < 0 || static_cast<std::size_t>(namesLength_) > image.size() - kSkinImageHeaderSize) {
    return Refuse(TArchiveFault::NamesBeyondImage);
  }
  const std::span<const std::uint8_t> block = image.subspan(kSkinImageHeaderSize, namesLength_);
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
  data_.assign(image.begin() + static_cast<std::ptrdiff_t>(dataStart), image.end());
  return true;
}

std::span<const std::uint8_t> TSkinReader::Entry(std::size_t index) const {
  return std::span<const std::uint8_t>(data_).subspan(offsets_[index], static_cast<std::size_t>(sizes_[index]));
}

void TSkinReader::CopyOut(std::size_t index, std::vector<std::uint8_t>& destination) const {
  const std::span<const std::uint8_t> entry = Entry(index);
  destination.assign(entry.begin(), entry.end());
}

bool TSkinReader::ExtractEntry(std::string_view name, std::vector<std::uint8_t>& destination) const {
  destination.clear();
  const std::string lowered = LowerAsciiLetters(name);
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (names_[i] == lowered) {
      CopyOut(i, destination);
      return true;
    }
  }
  return false;
}

bool TSkinReader::ExtractEntryContaining(std::string_view pattern, std::vector<std::uint8_t>& destination,
                                         std::string& foundName) const {
  destination.clear();
  if (pattern.empty()) return false;
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (names_[i].find(pattern) != std::string::npos) {
      foundName = names_[i];
      CopyOut(i, destination);
      return true;
    }
  }
  return false;
}

}  // namespace skin
