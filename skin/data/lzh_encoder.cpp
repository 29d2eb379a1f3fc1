#include "skin/data/lzh_encoder.h"

#include <algorithm>

#include "skin/data/lzh_match_finder.h"
#include "skin/data/lzh_model.h"
#include "skin/data/lzh_symbol_writer.h"

namespace skin {

std::vector<std::uint8_t> LzhEncode(std::span<const std::uint8_t> data) {
  // The decoder's view: its space-filled window start, then the data.
  constexpr std::size_t kPrefix = lzh::kWindowSize - lzh::kLongestMatch;
  std::vector<std::uint8_t> text(kPrefix, ' ');
  text.insert(text.end(), data.begin(), data.end());

  TLzhMatchFinder finder(text);
  for (std::size_t p = 0; p < kPrefix; ++p) finder.Insert(p);

  TLzhSymbolWriter out;
  std::size_t p = kPrefix;
  while (p < text.size()) {
    const std::size_t limit = std::min<std::size_t>(lzh::kLongestMatch, text.size() - p);
    const TLzhMatch match = finder.Find(p, limit);
    if (match.Length == 0) {
      out.Literal(text[p]);
      finder.Insert(p++);
      continue;
    }
    out.Match(match.Length, match.Distance);
    for (std::size_t end = p + match.Length; p < end; ++p) finder.Insert(p);
  }
  return out.Finish();
}

}  // namespace skin
