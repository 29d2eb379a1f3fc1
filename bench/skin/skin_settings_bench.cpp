// Reading a skin's settings and pictures: the BMP decoder over the sample
// skin's pictures, the sample skin whole (archive to element records),
// settings texts of many sections (the time grows with the count, not its
// square), and the largest skin the budget lets load, with its peak memory.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/data/archive_settings.h"
#include "skin/data/bitmap_operations.h"
#include "skin/data/bmp_decoder.h"
#include "skin/data/skin_archive_writer.h"
#include "skin/data/skin_settings_reader.h"

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

// N numbered colour sections, each read through the settings index.
void ReadManyColourSections(benchmark::State& state) {
  std::string text = "[Personality]\r\n";
  for (std::int64_t i = 0; i < state.range(0); ++i) text += "[Colour" + std::to_string(i) + "]\r\ncolor=1 2 3\r\n";
  const skin::TEntryLookup noEntries = [](std::string_view) { return std::span<const std::uint8_t>(); };
  for (auto _ : state) {
    skin::TSkinSettings settings;
    skin::ReadSkinSettings(settings, text, noEntries);
    benchmark::DoNotOptimize(settings.NumberedColours.size());
  }
  // Sections a second stay within a small factor across the counts (hash
  // tables outgrowing the caches), where a scan per lookup lost a factor of ten
  // for every tenfold count.
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(ReadManyColourSections)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Four 1600 x 1600 pictures of 24 bits (7.3 MiB each) in an image just under
// 32 MiB: the largest image an archive may declare, and 29 MiB of decoded pixels.
std::vector<std::uint8_t> LargestSkin() {
  constexpr int kSide = 1600;
  std::vector<std::uint8_t> picture(54 + std::size_t{kSide} * kSide * 3, 0x5A);
  const auto put = [&picture](std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) picture[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
  };
  picture[0] = 'B', picture[1] = 'M';
  put(2, static_cast<std::uint32_t>(picture.size())), put(10, 54), put(14, 40), put(18, kSide), put(22, kSide);
  put(26, 1 | 24 << 16), put(30, 0), put(46, 0);
  std::vector<skin::TSkinEntry> entries;
  std::string settings = "[Personality]\r\n";
  for (const std::string key : {"Left", "Right", "Top", "Bottom"}) {
    const std::string name = key + ".bmp";
    entries.push_back({name, picture});
    settings += key + "=" + name + "\r\n";
  }
  entries.push_back({"largest.ini", std::vector<std::uint8_t>(settings.begin(), settings.end())});
  return skin::ComposeSkinArchive(entries);
}

// The process's peak resident memory in MiB since the last ResetPeakMemory (Linux).
double PeakMemoryMiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with("VmHWM:")) return std::stod(line.substr(6)) / 1024;
  }
  return 0;
}
// Freed memory the allocator still holds is given back first, so that only
// what a load takes shows as growth.
void ResetPeakMemory() {
  malloc_trim(0);
  std::ofstream("/proc/self/clear_refs") << "5";
}

void LoadLargestSkin(benchmark::State& state) {
  const std::vector<std::uint8_t> archive = LargestSkin();
  // Making the archive took more than loading it; only the loads count.
  ResetPeakMemory();
  const double before = PeakMemoryMiB();
  std::size_t used = 0;
  for (auto _ : state) {
    skin::TSkinBudget budget;
    skin::TSkinReader reader;
    skin::TSkinSettings settings;
    if (!reader.LoadArchive(archive, budget) || !skin::ReadArchiveSettings(settings, reader, budget)) {
      state.SkipWithError("the largest skin does not load");
    }
    used = budget.Used();
  }
  state.counters["budget_MiB"] = static_cast<double>(used) / (1 << 20);
  state.counters["peak_growth_MiB"] = PeakMemoryMiB() - before;
}
BENCHMARK(LoadLargestSkin)->Unit(benchmark::kMillisecond);

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
