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
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace skin {

inline constexpr std::int32_t kSkinArchiveVersion = 20000;
inline constexpr std::size_t kMaxSkinEntries = 1001;
// Larger declared sizes are refused before anything is allocated or decoded.
inline constexpr std::int32_t kMaxSkinImageSize = 64 << 20;
// The image's header before its names: version, names length, two reserved fields.
inline constexpr std::size_t kSkinImageHeaderSize = 16;
inline constexpr std::string_view kOlderSkinMessage = "This is Older Skin File\rPlease update to new version !";

// Why the last LoadArchive failed.
enum class TArchiveFault {
  None,
  NoDeclaredSize,    // fewer than 4 bytes
  ImageTooLarge,     // declared size above kMaxSkinImageSize
  OlderVersion,      // version other than 20000 (the message has been shown)
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

  // Decompresses the whole archive and builds the directory. False when the
  // version check fails (after showing kOlderSkinMessage) or the archive is
  // malformed (silently); the reader is then empty and Fault() says why.
  bool LoadArchive(std::span<const std::uint8_t> archive);

  // The first entry whose name equals `name` after lowering. The destination
  // is emptied first, so it stays empty when there is no such entry.
  bool ExtractEntry(std::string_view name, std::vector<std::uint8_t>& destination) const;

  // The first entry whose name contains `pattern` as given (not lowered); an
  // empty pattern matches nothing. `foundName` is set only on a match.
  bool ExtractEntryContaining(std::string_view pattern, std::vector<std::uint8_t>& destination,
                              std::string& foundName) const;

  TArchiveFault Fault() const { return fault_; }
  // The compressed stream ended before the declared size was decoded; zero
  // bits stood in for the rest, as the format allows. Set by every load.
  bool StreamEndedEarly() const { return streamEndedEarly_; }
  std::int32_t DeclaredSize() const { return declaredSize_; }
  std::size_t ImageSize() const { return imageSize_; }
  std::int32_t Version() const { return version_; }
  std::int32_t NamesLength() const { return namesLength_; }

  std::size_t EntryCount() const { return names_.size(); }
  // Lower-case names and sizes, in archive order.
  const std::vector<std::string>& Names() const { return names_; }
  const std::vector<std::int32_t>& Sizes() const { return sizes_; }
  // The bytes of entry `index` (0 to EntryCount() - 1).
  std::span<const std::uint8_t> Entry(std::size_t index) const;
  std::span<const std::uint8_t> DataArea() const { return data_; }

 private:
  bool Refuse(TArchiveFault fault);
  bool ReadDirectory(std::span<const std::uint8_t> image);
  void CopyOut(std::size_t index, std::vector<std::uint8_t>& destination) const;

  TShowMessage showMessage_;
  TArchiveFault fault_ = TArchiveFault::None;
  std::int32_t declaredSize_ = 0;
  std::size_t imageSize_ = 0;
  bool streamEndedEarly_ = false;
  std::int32_t version_ = 0;
  std::int32_t namesLength_ = 0;
  std::vector<std::string> names_;
  std::vector<std::int32_t> sizes_;
  std::vector<std::size_t> offsets_;
  std::vector<std::uint8_t> data_;
};

}  // namespace skin
