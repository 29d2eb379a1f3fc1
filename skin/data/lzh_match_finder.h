#pragma once
// Finds earlier occurrences for the LZHUF encoder: hash chains over the
// decoder's view of the text (the space-filled window start, then the data),
// searched within the 4,096-byte window.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace skin {

struct TLzhMatch {
  std::size_t Length = 0;    // 0 when nothing of the shortest match length was found
  std::size_t Distance = 0;  // bytes between the copy's source and the write position, minus one
};

class TLzhMatchFinder {
 public:
  // `text` must outlive the finder.
  explicit TLzhMatchFinder(std::span<const std::uint8_t> text);

  // Makes position p findable; positions are inserted in increasing order.
  void Insert(std::size_t p);
  // The longest match for position p among the inserted positions, at most `limit` bytes.
  TLzhMatch Find(std::size_t p, std::size_t limit) const;

 private:
  static constexpr int kHashBits = 14;
  static constexpr std::size_t kHashSize = std::size_t{1} << kHashBits;
  static constexpr std::size_t kChainSize = 1 << 13;  // a power of two above the window size
  static constexpr int kMaxChainSteps = 256;
  static constexpr std::int32_t kNone = -1;

  std::size_t Hash(std::size_t p) const;

  std::span<const std::uint8_t> text_;
  std::vector<std::int32_t> head_;
  std::vector<std::int32_t> previous_;
};

}  // namespace skin
