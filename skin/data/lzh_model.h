#pragma once
// The adaptive Huffman model of the LZHUF codec: 314 symbols (256 literal
// bytes, then match lengths 3 to 60) as leaves of a 627-node tree whose nodes
// stay in order of non-decreasing weight. The decoder walks it from the root,
// the encoder from a leaf; both update it the same way after every symbol.

#include <array>
#include <cstdint>

namespace skin {

namespace lzh {
inline constexpr int kWindowSize = 4096;
inline constexpr int kLongestMatch = 60;
inline constexpr int kShortestMatch = 3;
inline constexpr int kSymbolCount = 256 + kLongestMatch - kShortestMatch + 1;  // 314
inline constexpr int kNodeCount = 2 * kSymbolCount - 1;                        // 627
inline constexpr int kRoot = kNodeCount - 1;                                   // 626
inline constexpr std::uint16_t kRebuildWeight = 0x8000;

constexpr int MatchSymbol(int length) { return 256 + length - kShortestMatch; }
constexpr int MatchLength(int symbol) { return symbol - 256 + kShortestMatch; }
}  // namespace lzh

class TLzhModel {
 public:
  TLzhModel() { Start(); }

  void Start();
  void Update(int symbol);

  // A node value of kNodeCount or more in Child() is a leaf: kNodeCount + symbol.
  int Child(int node) const { return child_[node]; }
  int Parent(int node) const { return parent_[node]; }
  // The node that holds the leaf of a symbol.
  int LeafNode(int symbol) const { return parent_[lzh::kNodeCount + symbol]; }

 private:
  void Rebuild();

  // weight_[kNodeCount] is a sentinel above every real weight.
  std::array<std::uint16_t, lzh::kNodeCount + 1> weight_{};
  // parent_[node] for every node, then parent_[kNodeCount + symbol] = the leaf node of symbol.
  std::array<std::uint16_t, lzh::kNodeCount + lzh::kSymbolCount> parent_{};
  std::array<std::uint16_t, lzh::kNodeCount> child_{};
};

}  // namespace skin
