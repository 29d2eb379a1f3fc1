// Decoding the skin archive's LZHUF stream and loading a skin file whole.

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <vector>

#include "skin/data/little_endian.h"
#include "skin/data/lzh_decoder.h"
#include "skin/data/lzh_encoder.h"
#include "skin/data/skin_reader.h"

namespace {

std::vector<std::uint8_t> TestFile(const std::string& relativePath) {
  std::ifstream file(std::string(RILVANTA_TESTDATA_DIR) + "/" + relativePath, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {});
}

void DecodeBitmapVector(benchmark::State& state) {
  const std::vector<std::uint8_t> lzh = TestFile("lzhuf/bitmap.lzh");
  const std::int32_t size = skin::ReadInt32Le(lzh, 0);
  for (auto _ : state) benchmark::DoNotOptimize(skin::LzhDecode(size, std::span(lzh).subspan(4)));
  state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(DecodeBitmapVector);

void EncodeBitmapVector(benchmark::State& state) {
  const std::vector<std::uint8_t> data = TestFile("lzhuf/bitmap.bin");
  for (auto _ : state) benchmark::DoNotOptimize(skin::LzhEncode(data));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(data.size()));
}
BENCHMARK(EncodeBitmapVector);

void LoadSampleSkin(benchmark::State& state) {
  const std::vector<std::uint8_t> archive = TestFile("skins/sample.skn");
  for (auto _ : state) {
    skin::TSkinReader reader;
    benchmark::DoNotOptimize(reader.LoadArchive(archive));
  }
}
BENCHMARK(LoadSampleSkin);

}  // namespace
