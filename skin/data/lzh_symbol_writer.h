#pragma once
// The coding half of the LZHUF encoder: writes literals and matches as the
// bit stream that TLZH reads, with the same adaptive Huffman model.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "skin/data/lzh_model.h"

namespace skin {

class TLzhSymbolWriter {
 public:
  void Literal(std::uint8_t byte);
  // A copy of `length` bytes (3 to 60) that starts distance + 1 bytes back (distance 0 to 4,095).
  void Match(std::size_t length, std::size_t distance);
  // The stream, its last byte padded with zero bits.
  std::vector<std::uint8_t> Finish();

 private:
  void Symbol(int symbol);
  void Bits(std::uint32_t value, int count);
  void Bit(std::uint32_t bit);

  TLzhModel model_;
  std::vector<std::uint8_t> bytes_;
  std::uint8_t pending_ = 0;
  int pendingCount_ = 0;
};

}  // namespace skin
