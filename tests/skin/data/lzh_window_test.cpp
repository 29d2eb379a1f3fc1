// Streams written symbol by symbol, to reach the window's corners.

#include <gtest/gtest.h>

#include <vector>

#include "skin/data/lzh_decoder.h"
#include "skin/data/lzh_symbol_writer.h"

namespace {

using TBytes = std::vector<std::uint8_t>;

TEST(LzhWindow, StartsWithSpacesThenSixtyZeroBytes) {
  // Write position 4,036; distance d copies from 4,035 - d.
  skin::TLzhSymbolWriter farthest;
  farthest.Match(3, 4095);  // bytes 4,036-4,038, never written yet
  EXPECT_EQ(skin::LzhDecode(3, farthest.Finish()), (TBytes{0, 0, 0}));

  skin::TLzhSymbolWriter lastZeros;
  lastZeros.Match(60, 4095 - 59);  // bytes 4,095 and then 0-58
  const TBytes decoded = skin::LzhDecode(60, lastZeros.Finish());
  EXPECT_EQ(decoded[0], 0);
  EXPECT_EQ(TBytes(decoded.begin() + 1, decoded.end()), TBytes(59, ' '));

  skin::TLzhSymbolWriter lastSpaces;
  lastSpaces.Match(3, 0);
  EXPECT_EQ(skin::LzhDecode(3, lastSpaces.Finish()), TBytes(3, ' '));
}

TEST(LzhWindow, MatchReadsWhatItHasJustWritten) {
  skin::TLzhSymbolWriter writer;
  writer.Literal('a');
  writer.Literal('b');
  writer.Match(7, 1);
  EXPECT_EQ(skin::LzhDecode(9, writer.Finish()), (TBytes{'a', 'b', 'a', 'b', 'a', 'b', 'a', 'b', 'a'}));
}

TEST(LzhWindow, EveryDistanceCodeLengthReachesItsByte) {
  // 4,096 distinct-enough bytes, then one match per distance class.
  TBytes text(4096);
  for (std::size_t i = 0; i < text.size(); ++i) text[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
  for (std::size_t distance : {2u, 63u, 64u, 255u, 256u, 767u, 768u, 1535u, 1536u, 3071u, 3072u, 4095u}) {
    SCOPED_TRACE(distance);
    skin::TLzhSymbolWriter writer;
    for (std::uint8_t byte : text) writer.Literal(byte);
    writer.Match(3, distance);
    const TBytes decoded = skin::LzhDecode(static_cast<std::int32_t>(text.size() + 3), writer.Finish());
    const std::size_t source = text.size() - distance - 1;
    ASSERT_EQ(decoded.size(), text.size() + 3);
    EXPECT_EQ(TBytes(decoded.end() - 3, decoded.end()), TBytes(text.begin() + source, text.begin() + source + 3));
  }
}

}  // namespace
