#include "skin/data/lzh_decoder.h"

#include <algorithm>
#include <array>
#include <memory>
#include <new>

#include "skin/data/lzh_distance_code.h"
#include "skin/data/lzh_exception.h"
#include "skin/data/lzh_model.h"

namespace skin {

namespace {

using lzh::kWindowSize;

// Bits most significant first, with zero bits once the input has ended.
template <class Read>
class TBitInput {
 public:
  explicit TBitInput(Read& read) : read_(read) {}

  int Bit() {
    Fill();
    const int bit = buffer_ >> 15;
    buffer_ = static_cast<std::uint16_t>(buffer_ << 1);
    --count_;
    ++used_;
    return bit;
  }

  int Byte() {
    Fill();
    const int byte = buffer_ >> 8;
    buffer_ = static_cast<std::uint16_t>(buffer_ << 8);
    count_ -= 8;
    used_ += 8;
    return byte;
  }

  std::int64_t Used() const { return used_; }

 private:
  void Fill() {
    while (count_ < 9) {
      std::uint8_t b = 0;
      if (read_(b) == 0) b = 0;
      buffer_ |= static_cast<std::uint16_t>(b << (8 - count_));
      count_ += 8;
    }
  }

  Read& read_;
  std::uint16_t buffer_ = 0;
  std::uint8_t count_ = 0;
  std::int64_t used_ = 0;
};

// The tables of one decompression.
struct TDecoderTables {
  TLzhModel Model;
  std::array<std::uint8_t, kWindowSize> Window;
};

std::unique_ptr<TDecoderTables> AllocateTables() {
  try {
    return std::make_unique<TDecoderTables>();
  } catch (const std::bad_alloc&) {
    throw ElzhException(kLzhNoMemoryMessage);
  }
}

template <class Bits>
int DecodeSymbol(TLzhModel& model, Bits& bits) {
  int c = model.Child(lzh::kRoot);
  while (c < lzh::kNodeCount) c = model.Child(c + bits.Bit());
  const int symbol = c - lzh::kNodeCount;
  model.Update(symbol);
  return symbol;
}

template <class Bits>
int DecodeDistance(Bits& bits) {
  int b = bits.Byte();
  const lzh::TDistancePrefix prefix = lzh::DistancePrefixOf(b);
  for (int n = prefix.Length - 2; n > 0; --n) b = 2 * b + bits.Bit();
  return prefix.HighBits * 64 + (b & 63);
}

constexpr std::int64_t kWatchInterval = 4096;

// The decoding loop over any reader and writer. The program's own decoding
// passes plain lambdas: called through std::function, the per-byte reads and
// writes took a third of the decoding time. `carryOn` (bits used so far) is
// asked every kWatchInterval bytes whether to go on.
template <class Read, class Write, class CarryOn>
std::int64_t UnpackStream(std::int32_t size, Read& read, Write& write, const CarryOn& carryOn) {
  const std::unique_ptr<TDecoderTables> tables = AllocateTables();
  std::array<std::uint8_t, kWindowSize>& window = tables->Window;
  // Bytes a well-formed stream never reads before writing them start as zero.
  constexpr int kFirstWrite = kWindowSize - lzh::kLongestMatch;
  window.fill(0);
  std::fill(window.begin(), window.begin() + kFirstWrite, ' ');
  int r = kFirstWrite;

  TBitInput<Read> bits(read);
  auto produce = [&](std::uint8_t byte) {
    write(byte);
    window[r] = byte;
    r = (r + 1) & (kWindowSize - 1);
  };

  std::int64_t count = 0;
  std::int64_t nextWatch = kWatchInterval;
  while (count < size) {
    if (count >= nextWatch) {
      if (!carryOn(bits.Used())) break;
      nextWatch = count + kWatchInterval;
    }
    const int c = DecodeSymbol(tables->Model, bits);
    if (c < 256) {
      produce(static_cast<std::uint8_t>(c));
      ++count;
      continue;
    }
    const int start = (r - DecodeDistance(bits) - 1) & (kWindowSize - 1);
    const int length = lzh::MatchLength(c);
    for (int k = 0; k < length; ++k) produce(window[(start + k) & (kWindowSize - 1)]);
    count += length;
  }
  return bits.Used();
}

}  // namespace

std::int64_t TLZH::Unpack(std::int32_t size, const TReadByte& read, const TWriteByte& write) {
  return UnpackStream(size, read, write, [](std::int64_t) { return true; });
}

std::vector<std::uint8_t> LzhDecode(std::int32_t size, std::span<const std::uint8_t> stream, bool* endedEarly,
                                    const TLzhWatcher& watcher) {
  std::vector<std::uint8_t> output;
  // Decoding always writes `size` bytes, whatever the stream holds.
  output.reserve(static_cast<std::size_t>(std::max(size, 0)) + lzh::kLongestMatch);
  std::size_t position = 0;
  auto read = [&](std::uint8_t& byte) -> std::size_t {
    if (position == stream.size()) return 0;
    byte = stream[position++];
    return 1;
  };
  auto write = [&](std::uint8_t byte) { output.push_back(byte); };
  const std::int64_t streamBits = 8 * static_cast<std::int64_t>(stream.size());
  const auto carryOn = [&](std::int64_t used) { return !watcher || watcher({output, used > streamBits}); };
  const std::int64_t used = UnpackStream(size, read, write, carryOn);
  if (endedEarly) *endedEarly = used > streamBits;
  return output;
}

}  // namespace skin
