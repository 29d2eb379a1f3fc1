#pragma once
// TLZH: the decoder of the skin archive's LZHUF stream (LZSS over a 4,096-byte
// ring window, adaptive Huffman coding of literals and match lengths).

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace skin {

class TLZH {
 public:
  // Gives the next input byte and returns 1, or returns 0 at the end of the input.
  using TReadByte = std::function<std::size_t(std::uint8_t& byte)>;
  using TWriteByte = std::function<void(std::uint8_t byte)>;

  // Decodes until at least `size` bytes have been written. A match is always
  // copied whole, so up to 59 bytes more may come; input that ends early reads
  // as zero bits. Returns the number of input bits the decoding used (zero bits
  // after the end included; bytes read ahead and never used do not count).
  // Throws ElzhException when the tables cannot be allocated.
  std::int64_t Unpack(std::int32_t size, const TReadByte& read, const TWriteByte& write);
};

// How far a decoding has come.
struct TLzhProgress {
  std::span<const std::uint8_t> Output;  // every byte produced so far
  bool PastEnd = false;                  // zero bits from past the stream's end have been used
};
// Told the progress every 4,096 bytes produced; returns false to stop there.
using TLzhWatcher = std::function<bool(const TLzhProgress& progress)>;

// Decodes `stream` (the bit stream alone) with a reader that stops at its end.
// `endedEarly`, when given, tells whether the decoding used zero bits past the
// stream's end: a stream cut short, which decodes anyway. A watcher may stop
// the decoding early; the output then holds what was produced until then.
std::vector<std::uint8_t> LzhDecode(std::int32_t size, std::span<const std::uint8_t> stream, bool* endedEarly = nullptr,
                                    const TLzhWatcher& watcher = {});

}  // namespace skin
