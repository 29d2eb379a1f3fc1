// Any bytes as a declared size and an LZHUF stream: decoding ends with the
// declared size reached and at most one match more.

#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz_limits.h"
#include "skin/data/little_endian.h"
#include "skin/data/lzh_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> input(data, size);
  if (size < 4 || !skinfuzz::DeclaresQuickImage(input)) return 0;
  const std::int32_t declared = skin::ReadInt32Le(input, 0);
  const std::size_t produced = skin::LzhDecode(declared, input.subspan(4)).size();
  const std::size_t least = declared > 0 ? static_cast<std::size_t>(declared) : 0;
  if (produced < least || produced > least + 59) __builtin_trap();
  return 0;
}
