#pragma once
// SHA-256 digests, to compare decoded bytes with the digests the test vectors
// list in tests/data/manifest.json.

#include <cstdint>
#include <span>
#include <string>

namespace skintest {

// Lower-case hexadecimal digest.
std::string Sha256Hex(std::span<const std::uint8_t> bytes);

}  // namespace skintest
