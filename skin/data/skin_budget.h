#pragma once
// TSkinBudget: the memory one skin may take while it loads, its decompressed
// image, settings text and decoded pictures together. Every part asks before it
// allocates, so a small hostile file (a picture declaring 16,384 x 16,384
// pixels in a few bytes, a names block of millions of lines) is refused by what
// it would cost, never by running out of memory.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace skin {

// Enough for the largest image an archive may declare (32 MiB) and 96 MiB of
// pictures, or a settings text filling the image and its index; with a skin
// file of up to 64 MiB beside it a load takes less than 256 MB.
inline constexpr std::size_t kSkinMemoryBudget = std::size_t{128} << 20;

// A load that would pass its budget; the message names what asked.
class ESkinTooLarge : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TSkinBudget {
 public:
  explicit TSkinBudget(std::size_t limit = kSkinMemoryBudget) : limit_(limit) {}

  // Counts `bytes` more for `what`; throws ESkinTooLarge, counting nothing,
  // when the total would pass the limit.
  void Reserve(std::size_t bytes, std::string_view what) {
    if (bytes > limit_ - used_) {
      throw ESkinTooLarge(std::string(what) + " needs " + std::to_string(bytes) + " bytes, more than the " +
                          std::to_string(limit_ - used_) + " left of the skin's " + std::to_string(limit_) + " bytes");
    }
    used_ += bytes;
  }

  std::size_t Used() const { return used_; }
  std::size_t Limit() const { return limit_; }

 private:
  std::size_t limit_;
  std::size_t used_ = 0;
};

}  // namespace skin
