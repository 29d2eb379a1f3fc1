#include "skin/data/lzh_model.h"

#include <algorithm>

namespace skin {

using lzh::kNodeCount;
using lzh::kRoot;
using lzh::kSymbolCount;

void TLzhModel::Start() {
  for (int s = 0; s < kSymbolCount; ++s) {
    weight_[s] = 1;
    child_[s] = s + kNodeCount;
    parent_[s + kNodeCount] = s;
  }
  for (int i = 0, j = kSymbolCount; j < kNodeCount; i += 2, ++j) {
    weight_[j] = weight_[i] + weight_[i + 1];
    child_[j] = i;
    parent_[i] = parent_[i + 1] = j;
  }
  weight_[kNodeCount] = 0xFFFF;
  parent_[kRoot] = 0;
}

void TLzhModel::Update(int symbol) {
  if (weight_[kRoot] == lzh::kRebuildWeight) Rebuild();
  int c = parent_[symbol + kNodeCount];
  do {
    const std::uint16_t k = ++weight_[c];
    if (k > weight_[c + 1]) {
      // Move c past every node lighter than its new weight, keeping the order.
      int l = c + 1;
      while (k > weight_[l + 1]) ++l;
      weight_[c] = weight_[l];
      weight_[l] = k;

      const int i = child_[c];
      parent_[i] = l;
      if (i < kNodeCount) parent_[i + 1] = l;
      const int j = child_[l];
      child_[l] = i;
      parent_[j] = c;
      if (j < kNodeCount) parent_[j + 1] = c;
      child_[c] = j;
      c = l;
    }
    c = parent_[c];
  } while (c != 0);
}

// Halves every leaf weight and builds the inner nodes anew; keeps the weights
// within 16 bits however long the stream runs.
void TLzhModel::Rebuild() {
  int front = 0;
  for (int i = 0; i < kNodeCount; ++i) {
    if (child_[i] >= kNodeCount) {
      weight_[front] = (weight_[i] + 1) / 2;
      child_[front] = child_[i];
      ++front;
    }
  }
  for (int i = 0, j = kSymbolCount; j < kNodeCount; i += 2, ++j) {
    const std::uint16_t f = weight_[i] + weight_[i + 1];
    int k = j - 1;
    while (f < weight_[k]) --k;
    ++k;
    std::copy_backward(weight_.begin() + k, weight_.begin() + j, weight_.begin() + j + 1);
    std::copy_backward(child_.begin() + k, child_.begin() + j, child_.begin() + j + 1);
    weight_[k] = f;
    child_[k] = i;
  }
  for (int i = 0; i < kNodeCount; ++i) {
    const int k = child_[i];
    parent_[k] = i;
    if (k < kNodeCount) parent_[k + 1] = i;
  }
}

}  // namespace skin
