// Any bytes as a declared size the reader takes and an LZHUF stream, decoded
// as the reader decodes it, stopping once the stream has run out: a stream
// that has not ends with the declared size reached and at most one match
// more, and decodes the same with other bytes after it.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "skin/data/little_endian.h"
#include "skin/data/lzh_decoder.h"
#include "skin/data/skin_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> input(data, size);
  if (size < 4) return 0;
  const std::int32_t declared = skin::ReadInt32Le(input, 0);
  if (declared > skin::kMaxSkinImageSize) return 0;  // refused unread
  bool endedEarly = false;
  const std::vector<std::uint8_t> output = skin::LzhDecode(
      declared, input.subspan(4), &endedEarly, [](const skin::TLzhProgress& progress) { return !progress.PastEnd; });
  const std::size_t least = declared > 0 ? static_cast<std::size_t>(declared) : 0;
  if (output.size() > least + 59) __builtin_trap();
  if (!endedEarly) {
    if (output.size() < least) __builtin_trap();
    std::vector<std::uint8_t> longer(input.begin() + 4, input.end());
    longer.insert(longer.end(), 4, 0xA5);
    if (skin::LzhDecode(declared, longer) != output) __builtin_trap();
  }
  return 0;
}
