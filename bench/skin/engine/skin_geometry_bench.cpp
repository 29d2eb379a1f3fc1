// The pixel work of skin drawing, natively: a window-sized nine-slice drawn
// with our own stretching into a 24-bit picture, and the region runs of a
// title strip.

#include <benchmark/benchmark.h>

#include <vector>

#include "bench/skin/engine/frame_pictures.h"
#include "skin/engine/geometry/frame_cell.h"
#include "skin/engine/geometry/nine_slice.h"
#include "skin/engine/geometry/region_runs.h"
#include "skin/engine/geometry/slice_render.h"

namespace {

// Cell 2 of a 3-cell 60-pixel strip with margins of 12, stretched or tiled over 800 x 600.
void RenderNineSlice800x600(benchmark::State& state) {
  const skin::TSkinBitmap picture = skinbench::FrameStrip(3, 60);
  const skin::TPixelRect cell = skin::FrameCellRect(picture.Width(), picture.Height(), false, 3, 2);
  const bool tiled = state.range(0) != 0;
  skin::TSkinBitmap target(800, 600);
  for (auto _ : state) {
    skin::RenderSlicePlan(skin::PixelsOf(picture), skin::NineSlicePlan(cell, 800, 600, {12, 12, 12, 12}, tiled),
                          skin::PixelsOf(target));
    benchmark::DoNotOptimize(target.Row(0));
  }
  state.SetLabel(tiled ? "tiled centre" : "stretched centre");
}
BENCHMARK(RenderNineSlice800x600)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void RegionRunsOfTitleStrip(benchmark::State& state) {
  const skin::TSkinBitmap strip = skinbench::TitleStrip();
  const skin::TKeyColourRange key(255, 0, 255, 1, 1, 1);
  std::vector<skin::TPixelRun> runs;
  for (auto _ : state) {
    runs.clear();
    for (int y = 0; y < strip.Height(); ++y) skin::AppendOpaqueRuns(strip.Row(y), strip.Width(), 3, key, runs);
    benchmark::DoNotOptimize(runs.data());
  }
}
BENCHMARK(RegionRunsOfTitleStrip)->Unit(benchmark::kMicrosecond);

}  // namespace
