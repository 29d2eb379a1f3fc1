// Any bytes through our encoder and back through TLZH come out unchanged.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "skin/data/lzh_decoder.h"
#include "skin/data/lzh_encoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> input(data, size);
  const std::vector<std::uint8_t> decoded = skin::LzhDecode(static_cast<std::int32_t>(size), skin::LzhEncode(input));
  if (decoded.size() != size || !std::equal(decoded.begin(), decoded.end(), input.begin())) __builtin_trap();
  return 0;
}
