// Reading a skin's settings and pictures: the BMP decoder over the sample
// skin's pictures, and the sample skin whole (archive to element records).

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "skin/data/archive_settings.h"
#include "skin/data/bitmap_operations.h"
#include "skin/data/bmp_decoder.h"

namespace {

std::vector<std::uint8_t> SampleArchive() {
  std::ifstream file(RILVANTA_TESTDATA_DIR "/skins/sample.skn", std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void DecodeSamplePictures(benchmark::State& state) {
  skin::TSkinReader reader;
  if (!reader.LoadArchive(SampleArchive())) state.SkipWithError("sample skin does not load");
  std::int64_t bytes = 0;
  for (auto _ : state) {
    for (std::size_t i = 0; i + 1 < reader.EntryCount(); ++i) {
      benchmark::DoNotOptimize(skin::DecodeBmp(reader.Entry(i)));
      bytes += static_cast<std::int64_t>(reader.Entry(i).size());
    }
  }
  state.SetBytesProcessed(bytes);
}
BENCHMARK(DecodeSamplePictures);

void LoadSampleSkinWhole(benchmark::State& state) {
  const std::vector<std::uint8_t> archive = SampleArchive();
  for (auto _ : state) {
    skin::TSkinReader reader;
    skin::TSkinSettings settings;
    if (!reader.LoadArchive(archive) || !skin::ReadArchiveSettings(settings, reader)) {
      state.SkipWithError("sample skin does not load");
    }
    benchmark::DoNotOptimize(settings.SkinEmpty);
  }
}
BENCHMARK(LoadSampleSkinWhole)->Unit(benchmark::kMicrosecond);

// The tab skins turn their pictures for every side of a control.
void RotatePicture(benchmark::State& state) {
  skin::TSkinBitmap bitmap(static_cast<int>(state.range(0)), 21);
  for (auto _ : state) {
    skin::RotateBitmapLeft(bitmap);
    skin::MirrorBitmap(bitmap);
    benchmark::DoNotOptimize(bitmap.Bits().data());
  }
}
BENCHMARK(RotatePicture)->Arg(126)->Arg(1024);

}  // namespace
