#pragma once
// The compressing side of the skin archive's LZHUF format: greedy LZSS with a
// hash-chain match search, then the same adaptive Huffman model as TLZH.

#include <cstdint>
#include <span>
#include <vector>

namespace skin {

// The bit stream alone (without the declared size) that TLZH decodes to
// exactly `data`. Matches reach back into the space-filled window start but
// never into its last 60 bytes, whose content other decoders leave open.
std::vector<std::uint8_t> LzhEncode(std::span<const std::uint8_t> data);

}  // namespace skin
