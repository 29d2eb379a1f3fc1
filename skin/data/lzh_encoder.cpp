#include "skin/data/lzh_encoder.h"

#include <algorithm>
#include <array>

#include "skin/data/lzh_distance_code.h"
#include "skin/data/lzh_match_finder.h"
#include "skin/data/lzh_model.h"

namespace skin {

namespace {

using lzh::kNodeCount;

// Bits most significant first; the last byte is padded with zero bits.
class TBitOutput {
 public:
  void Bits(std::uint32_t value, int count) {
    for (int n = count - 1; n >= 0; --n) Bit((value >> n) & 1);
  }

  void Bit(std::uint32_t bit) {
    current_ = static_cast<std::uint8_t>(current_ << 1 | bit);
    if (++count_ == 8) {
      bytes_.push_back(current_);
      current_ = 0;
      count_ = 0;
    }
  }

  std::vector<std::uint8_t> Finish() {
    if (count_ > 0) bytes_.push_back(static_cast<std::uint8_t>(current_ << (8 - count_)));
    count_ = 0;
    current_ = 0;
    return std::move(bytes_);
  }

 private:
  std::vector<std::uint8_t> bytes_;
  std::uint8_t current_ = 0;
  int count_ = 0;
};

constexpr std::array<lzh::TDistanceCode, 64> kDistanceCodes = [] {
  std::array<lzh::TDistanceCode, 64> codes{};
  for (int high = 0; high < 64; ++high) codes[high] = lzh::DistanceCodeOf(high);
  return codes;
}();

// The right one of two siblings sits at the odd position, so a node's
// position gives its bit; the path is collected leaf first and written root first.
void EncodeSymbol(TLzhModel& model, int symbol, TBitOutput& out) {
  std::array<std::uint8_t, kNodeCount> path;
  int depth = 0;
  for (int node = model.LeafNode(symbol); node != lzh::kRoot; node = model.Parent(node)) path[depth++] = node & 1;
  while (depth > 0) out.Bit(path[--depth]);
  model.Update(symbol);
}

void EncodeDistance(std::size_t distance, TBitOutput& out) {
  const lzh::TDistanceCode code = kDistanceCodes[distance >> 6];
  out.Bits(code.code, code.length);
  out.Bits(distance & 63, 6);
}

}  // namespace

std::vector<std::uint8_t> LzhEncode(std::span<const std::uint8_t> data) {
  // The decoder's view: its space-filled window start, then the data.
  constexpr std::size_t kPrefix = lzh::kWindowSize - lzh::kLongestMatch;
  std::vector<std::uint8_t> text(kPrefix, ' ');
  text.insert(text.end(), data.begin(), data.end());

  TLzhMatchFinder finder(text);
  for (std::size_t p = 0; p < kPrefix; ++p) finder.Insert(p);

  TLzhModel model;
  TBitOutput out;
  std::size_t p = kPrefix;
  while (p < text.size()) {
    const std::size_t limit = std::min<std::size_t>(lzh::kLongestMatch, text.size() - p);
    const TLzhMatch match = finder.Find(p, limit);
    if (match.length == 0) {
      EncodeSymbol(model, text[p], out);
      finder.Insert(p++);
      continue;
    }
    EncodeSymbol(model, lzh::MatchSymbol(static_cast<int>(match.length)), out);
    EncodeDistance(match.distance, out);
    for (std::size_t end = p + match.length; p < end; ++p) finder.Insert(p);
  }
  return out.Finish();
}

}  // namespace skin
