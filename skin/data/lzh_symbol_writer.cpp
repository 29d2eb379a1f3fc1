#include "skin/data/lzh_symbol_writer.h"

#include <array>

#include "skin/data/lzh_distance_code.h"

namespace skin {

namespace {

constexpr std::array<lzh::TDistanceCode, 64> kDistanceCodes = [] {
  std::array<lzh::TDistanceCode, 64> codes{};
  for (int high = 0; high < 64; ++high) codes[high] = lzh::DistanceCodeOf(high);
  return codes;
}();

}  // namespace

void TLzhSymbolWriter::Literal(std::uint8_t byte) { Symbol(byte); }

void TLzhSymbolWriter::Match(std::size_t length, std::size_t distance) {
  Symbol(lzh::MatchSymbol(static_cast<int>(length)));
  const lzh::TDistanceCode code = kDistanceCodes[distance >> 6];
  Bits(code.Code, code.Length);
  Bits(distance & 63, 6);
}

// The right one of two siblings sits at the odd position, so a node's
// position gives its bit; the path is collected leaf first and written root first.
void TLzhSymbolWriter::Symbol(int symbol) {
  std::array<std::uint8_t, lzh::kNodeCount> path;
  int depth = 0;
  for (int node = model_.LeafNode(symbol); node != lzh::kRoot; node = model_.Parent(node)) path[depth++] = node & 1;
  while (depth > 0) Bit(path[--depth]);
  model_.Update(symbol);
}

void TLzhSymbolWriter::Bits(std::uint32_t value, int count) {
  for (int n = count - 1; n >= 0; --n) Bit((value >> n) & 1);
}

void TLzhSymbolWriter::Bit(std::uint32_t bit) {
  pending_ = static_cast<std::uint8_t>(pending_ << 1 | bit);
  if (++pendingCount_ == 8) {
    bytes_.push_back(pending_);
    pending_ = 0;
    pendingCount_ = 0;
  }
}

std::vector<std::uint8_t> TLzhSymbolWriter::Finish() {
  if (pendingCount_ > 0) bytes_.push_back(static_cast<std::uint8_t>(pending_ << (8 - pendingCount_)));
  pending_ = 0;
  pendingCount_ = 0;
  return std::move(bytes_);
}

}  // namespace skin
