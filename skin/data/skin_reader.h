#pragma once
// TSkinReader: turns a skin archive (declared size, then the LZHUF stream)
// into an in-memory directory of named entries and hands entries out by name.
//
// The decompressed image: version 20000, the length of the names block, two
// reserved words, the names block (one name per line), one 32-bit size per
// name, then the entries' bytes back to back. Names compare without regard to
// the case of ASCII letters; the first of equal names wins.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/skin_budget.h"

namespace skin {

inline constexpr std::int32_t kSkinArchiveVersion = 20000;
inline constexpr std::size_t kMaxSkinEntries = 1001;
// Larger declared sizes are refused before anything is allocated or decoded.
// Real skins stay far below; at this size even incompressible data, which the
// decoder turns out slowest (about 25 MB a second), loads within two seconds.
inline constexpr std::int32_t kMaxSkinImageSize = 32 << 20;
// The image's header before its names: version, names length, two reserved fields.
inline constexpr std::size_t kSkinImageHeaderSize = 16;
// Larger skin files are refused by their size, unread: the decoder takes less
// than 3 bytes of stream for each byte of the largest image it produces (the
// model's codes stay under 24 bits while its root weight is below 32,768).
inline constexpr std::uintmax_t kMaxSkinFileSize = 4 * std::uintmax_t{kMaxSkinImageSize};
inline constexpr std::string_view kOlderSkinMessage = "This is Older Skin File\rPlease update to new version !";
inline constexpr std::string_view kCutSkinMessage =
    "This skin file is cut short\rIts data ends before the size it declares !";

// Why the last LoadArchive failed.
enum class TArchiveFault {
  None,
  NoDeclaredSize,    // fewer than 4 bytes
  ImageTooLarge,     // declared size above kMaxSkinImageSize
  OverBudget,        // the image and its names would pass the skin's memory budget
  OlderVersion,      // version other than 20000 (the message has been shown)
  StreamCut,         // the stream ends before the declared size (kCutSkinMessage has been shown)
  HeaderCut,         // image of version 20000 shorter than its 16-byte header
  NamesBeyondImage,  // names length negative or past the end of the image
  TooManyEntries,    // more than kMaxSkinEntries names
  SizesBeyondImage,  // the size table runs past the end of the image
  NegativeSize,      // an entry size below zero
  SizesBeyondData,   // entry sizes add up to more than the data area
};

// One line of English for tools and logs.
std::string_view DescribeArchiveFault(TArchiveFault fault);

class TSkinReader {
 public:
  // Shows the older-version message to the user (a message box in the program).
  using TShowMessage = std::function<void(std::string_view text)>;

  explicit TSkinReader(TShowMessage showMessage = {});

  // Decompresses the whole archive and builds the directory, the image and
  // names counting against `budget`. False when the version check fails (after
  // showing kOlderSkinMessage), when the stream ends before the declared size
  // (after showing kCutSkinMessage) or the archive is malformed or too large
  // (silently); the reader is then empty and Fault() says why. Decoding stops
  // as soon as the image cannot load: at a wrong version, at the end of the
  // stream, or once the names block holds more line breaks than
  // kMaxSkinEntries names can have.
  bool LoadArchive(std::span<const std::uint8_t> archive, TSkinBudget& budget);
  // The same with a budget of its own.
  bool LoadArchive(std::span<const std::uint8_t> archive);

  // The first entry whose name equals `name` after lowering. The destination
  // is emptied first, so it stays empty when there is no such entry.
  bool ExtractEntry(std::string_view name, std::vector<std::uint8_t>& destination) const;

  // The first entry whose name contains `pattern` as given (not lowered); an
  // empty pattern matches nothing. `foundName` is set only on a match.
  bool ExtractEntryContaining(std::string_view pattern, std::vector<std::uint8_t>& destination,
                              std::string& foundName) const;

  TArchiveFault Fault() const { return fault_; }
  std::int32_t DeclaredSize() const { return declaredSize_; }
  // The bytes decoded, until the end or until decoding stopped.
  std::size_t ImageSize() const { return imageSize_; }
  std::int32_t Version() const { return version_; }
  std::int32_t NamesLength() const { return namesLength_; }

  std::size_t EntryCount() const { return names_.size(); }
  // Lower-case names and sizes, in archive order.
  const std::vector<std::string>& Names() const { return names_; }
  const std::vector<std::int32_t>& Sizes() const { return sizes_; }
  // The bytes of entry `index` (0 to EntryCount() - 1).
  std::span<const std::uint8_t> Entry(std::size_t index) const;
  std::span<const std::uint8_t> DataArea() const { return std::span(image_).subspan(dataStart_); }
  // The index of the first entry whose name equals `name` after lowering.
  std::optional<std::size_t> Find(std::string_view name) const;
  // The index of the first entry whose name contains `pattern` as given.
  std::optional<std::size_t> FindContaining(std::string_view pattern) const;

 private:
  bool Refuse(TArchiveFault fault);
  bool Decode(std::span<const std::uint8_t> stream, TSkinBudget& budget);
  bool ReadDirectory(TSkinBudget& budget);
  void CopyOut(std::size_t index, std::vector<std::uint8_t>& destination) const;

  TShowMessage showMessage_;
  TArchiveFault fault_ = TArchiveFault::None;
  std::int32_t declaredSize_ = 0;
  std::size_t imageSize_ = 0;
  std::int32_t version_ = 0;
  std::int32_t namesLength_ = 0;
  std::vector<std::string> names_;
  std::vector<std::int32_t> sizes_;
  std::vector<std::size_t> offsets_;
  // The decompressed image, whose data area starts at dataStart_.
  std::vector<std::uint8_t> image_;
  std::size_t dataStart_ = 0;
};

}  // namespace skin
