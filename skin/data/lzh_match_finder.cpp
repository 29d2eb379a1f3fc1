#include "skin/data/lzh_match_finder.h"

#include "skin/data/lzh_model.h"

namespace skin {

TLzhMatchFinder::TLzhMatchFinder(std::span<const std::uint8_t> text)
    : text_(text), head_(kHashSize, kNone), previous_(kChainSize, kNone) {}

std::size_t TLzhMatchFinder::Hash(std::size_t p) const {
  const std::uint32_t key = text_[p] | text_[p + 1] << 8 | text_[p + 2] << 16;
  return (key * 2654435761u) >> (32 - kHashBits);  // Fibonacci hashing
}

void TLzhMatchFinder::Insert(std::size_t p) {
  if (p + lzh::kShortestMatch > text_.size()) return;
  const std::size_t h = Hash(p);
  previous_[p & (kChainSize - 1)] = head_[h];
  head_[h] = static_cast<std::int32_t>(p);
}

TLzhMatch TLzhMatchFinder::Find(std::size_t p, std::size_t limit) const {
  TLzhMatch best;
  if (limit < lzh::kShortestMatch || p + lzh::kShortestMatch > text_.size()) return best;
  std::int32_t candidate = head_[Hash(p)];
  for (int step = 0; step < kMaxChainSteps && candidate != kNone; ++step) {
    const auto q = static_cast<std::size_t>(candidate);
    if (p - q > static_cast<std::size_t>(lzh::kWindowSize)) break;
    std::size_t length = 0;
    while (length < limit && text_[q + length] == text_[p + length]) ++length;
    if (length >= lzh::kShortestMatch && length > best.Length) {
      best = {length, p - q - 1};
      if (length == limit) break;
    }
    candidate = previous_[q & (kChainSize - 1)];
  }
  return best;
}

}  // namespace skin
