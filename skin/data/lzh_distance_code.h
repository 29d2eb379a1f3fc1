#pragma once
// How LZHUF writes a match distance (0 to 4,095): the high six bits as a
// prefix code of 3 to 8 bits, then the low six bits as they are.

#include <cstdint>

namespace skin::lzh {

struct TDistancePrefix {
  int HighBits;  // distance / 64
  int Length;    // bits of the prefix code
};

// The prefix read from the first eight bits b of a distance.
constexpr TDistancePrefix DistancePrefixOf(int b) {
  if (b < 32) return {0, 3};
  if (b < 80) return {1 + (b - 32) / 16, 4};
  if (b < 144) return {4 + (b - 80) / 8, 5};
  if (b < 192) return {12 + (b - 144) / 4, 6};
  if (b < 240) return {24 + (b - 192) / 2, 7};
  return {48 + (b - 240), 8};
}

struct TDistanceCode {
  std::uint8_t Code;  // the prefix, right-aligned
  std::uint8_t Length;
};

// The prefix code that writes the given high bits: the inverse of DistancePrefixOf.
constexpr TDistanceCode DistanceCodeOf(int highBits) {
  int b = 0;
  while (DistancePrefixOf(b).HighBits != highBits) ++b;
  const int length = DistancePrefixOf(b).Length;
  return {static_cast<std::uint8_t>(b >> (8 - length)), static_cast<std::uint8_t>(length)};
}

}  // namespace skin::lzh
