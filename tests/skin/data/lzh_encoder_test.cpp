#include "skin/data/lzh_encoder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "skin/data/lzh_decoder.h"
#include "test_files.h"

namespace {

using TBytes = std::vector<std::uint8_t>;

TBytes RoundTrip(const TBytes& data) {
  return skin::LzhDecode(static_cast<std::int32_t>(data.size()), skin::LzhEncode(data));
}

TBytes RandomBytes(std::size_t size, std::uint32_t seed, int alphabet = 256) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> byte(0, alphabet - 1);
  TBytes data(size);
  for (std::uint8_t& b : data) b = static_cast<std::uint8_t>(byte(random));
  return data;
}

TBytes Joined(std::initializer_list<TBytes> parts) {
  TBytes joined;
  for (const TBytes& part : parts) joined.insert(joined.end(), part.begin(), part.end());
  return joined;
}

class LzhEncoderVector : public testing::TestWithParam<const char*> {};

TEST_P(LzhEncoderVector, DecodesBackToTheVectorsBytes) {
  const TBytes data = skintest::ReadTestFile(std::string("lzhuf/") + GetParam() + ".bin");
  EXPECT_TRUE(RoundTrip(data) == data);
}

INSTANTIATE_TEST_SUITE_P(SharedVectors, LzhEncoderVector,
                         testing::Values("empty", "tiny", "ini", "bitmap", "random", "runs", "truncated", "overrun"));

TEST(LzhEncoder, CompressesAboutAsWellAsTheIndependentEncoder) {
  // Literals alone would need more than a byte each; a real match search
  // comes near the reference streams.
  for (const char* name : {"ini", "bitmap", "runs"}) {
    const TBytes data = skintest::ReadTestFile(std::string("lzhuf/") + name + ".bin");
    const std::size_t reference = skintest::ReadTestFile(std::string("lzhuf/") + name + ".lzh").size() - 4;
    EXPECT_LT(skin::LzhEncode(data).size(), reference * 5 / 4) << name;
  }
}

TEST(LzhEncoder, EdgeSizesAroundMatchAndWindowLimits) {
  for (std::size_t size : {1u, 2u, 3u, 4u, 59u, 60u, 61u, 62u, 4035u, 4036u, 4095u, 4096u, 4097u, 8193u}) {
    SCOPED_TRACE(size);
    const TBytes repeated(size, 'x');
    EXPECT_EQ(RoundTrip(repeated), repeated);
    const TBytes spaces(size, ' ');  // matches reach into the space-filled window start
    EXPECT_EQ(RoundTrip(spaces), spaces);
    const TBytes mixed = RandomBytes(size, static_cast<std::uint32_t>(size), 4);
    EXPECT_EQ(RoundTrip(mixed), mixed);
  }
}

TEST(LzhEncoder, MatchesAtTheFarEndOfTheWindow) {
  // A block repeated exactly 4,096 bytes later can be copied from the window;
  // one byte further it cannot.
  const TBytes block = RandomBytes(4096, 1);
  const TBytes reachable = Joined({block, block});
  EXPECT_EQ(RoundTrip(reachable), reachable);
  EXPECT_LT(skin::LzhEncode(reachable).size(), 4096u * 6 / 5);

  const TBytes tooFar = Joined({block, {0x55}, block});
  EXPECT_EQ(RoundTrip(tooFar), tooFar);
}

TEST(LzhEncoder, LongStreamsRebuildTheModelOnBothSides) {
  // Far more than 32,768 symbols, with the statistics changing on the way.
  const TBytes data = Joined({RandomBytes(60000, 7), RandomBytes(60000, 8, 3)});
  EXPECT_EQ(RoundTrip(data), data);
}

}  // namespace
