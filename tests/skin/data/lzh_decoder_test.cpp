#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "sha256.h"
#include "skin/data/little_endian.h"
#include "skin/data/lzh_decoder.h"
#include "test_files.h"

namespace {

using skin::LzhDecode;
using skintest::ReadTestFile;

// A stored stream: its declared size, then the bit stream.
std::vector<std::uint8_t> DecodeVector(const std::string& name, bool* endedEarly = nullptr) {
  const std::vector<std::uint8_t> lzh = ReadTestFile("lzhuf/" + name + ".lzh");
  return LzhDecode(skin::ReadInt32Le(lzh, 0), std::span(lzh).subspan(4), endedEarly);
}

class LzhVector : public testing::TestWithParam<const char*> {};

TEST_P(LzhVector, DecodesByteForByte) {
  const std::string name = GetParam();
  const std::vector<std::uint8_t> expected = ReadTestFile("lzhuf/" + name + ".bin");
  bool endedEarly = false;
  const std::vector<std::uint8_t> decoded = DecodeVector(name, &endedEarly);
  ASSERT_EQ(decoded.size(), expected.size());
  EXPECT_TRUE(decoded == expected);
  // Only the cut stream needs zero bits past its end; the bytes the others'
  // decoder reads ahead at their end are not used.
  EXPECT_EQ(endedEarly, name == "truncated");
}

INSTANTIATE_TEST_SUITE_P(SharedVectors, LzhVector,
                         testing::Values("empty", "tiny", "ini", "bitmap", "random", "runs", "truncated", "overrun"));

TEST(LzhDecoder, DecodedVectorsMatchTheManifestDigests) {
  EXPECT_EQ(skintest::Sha256Hex(DecodeVector("bitmap")),
            "7e3cb657c533870fde611ae7f8e1e933922335961745472eeaec03ed08d3a111");
  EXPECT_EQ(skintest::Sha256Hex(DecodeVector("random")),
            "b654c6cb3f320da5264ac17229ef6d603a14d9066982da434722bbe1b208bb84");
}

TEST(LzhDecoder, LastMatchIsCopiedWholePastTheDeclaredSize) {
  const std::vector<std::uint8_t> overrun = ReadTestFile("lzhuf/overrun.lzh");
  ASSERT_EQ(skin::ReadInt32Le(overrun, 0), 15);
  EXPECT_EQ(DecodeVector("overrun").size(), 70u);

  const std::vector<std::uint8_t> truncated = ReadTestFile("lzhuf/truncated.lzh");
  EXPECT_EQ(DecodeVector("truncated").size(), static_cast<std::size_t>(skin::ReadInt32Le(truncated, 0)) + 31);
}

TEST(LzhDecoder, StreamCutShortReadsZeroBitsUntilTheDeclaredSizeExists) {
  const std::vector<std::uint8_t> lzh = ReadTestFile("lzhuf/ini.lzh");
  const std::vector<std::uint8_t> full = DecodeVector("ini");
  bool endedEarly = false;
  const std::vector<std::uint8_t> cut =
      LzhDecode(skin::ReadInt32Le(lzh, 0), std::span(lzh).subspan(4, 100), &endedEarly);
  EXPECT_TRUE(endedEarly);
  ASSERT_GE(cut.size(), full.size());
  // The bytes decoded before the cut are the same; decoding then goes on from zero bits.
  EXPECT_TRUE(std::equal(cut.begin(), cut.begin() + 64, full.begin()));
  EXPECT_FALSE(std::equal(full.begin(), full.end(), cut.begin()));
}

TEST(LzhDecoder, ZeroOrNegativeSizeProducesNothing) {
  const std::vector<std::uint8_t> lzh = ReadTestFile("lzhuf/ini.lzh");
  EXPECT_TRUE(LzhDecode(0, std::span(lzh).subspan(4)).empty());
  EXPECT_TRUE(LzhDecode(-5, std::span(lzh).subspan(4)).empty());
}

TEST(LzhDecoder, ByteOfAReadThatReportsTheEndIsIgnored) {
  std::size_t calls = 0;
  std::vector<std::uint8_t> produced;
  skin::TLZH().Unpack(
      10,
      [&](std::uint8_t& byte) -> std::size_t {
        ++calls;
        byte = 0xFF;  // garbage that must be ignored
        return 0;
      },
      [&](std::uint8_t byte) { produced.push_back(byte); });
  EXPECT_EQ(produced, LzhDecode(10, {}));
  EXPECT_GT(calls, 0u);
}

}  // namespace
