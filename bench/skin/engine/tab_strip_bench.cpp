// One paint of a tab control of 20 tabs under Wine or Windows: the control
// paints itself, then its skinner draws the strip off-screen (the default
// skin's tab picture for every tab, each caption, the strip turned to the
// side) and the page border. Beside it the same control left plain, and one
// with its tabs on the left (the strip turned a quarter round). The controls
// sit on a shown library form wearing the default skin, attached by its
// frame skinner as in the program.

#include <benchmark/benchmark.h>
#include <windows.h>

#include <string>

#include "bench/skin/engine/memory_target.h"
#include "bench/skin/engine/skinned_bench_form.h"
#include "ui/controls/tab_control.h"

namespace {

constexpr int kTabs = 20, kWidth = 1200, kHeight = 160;

class TSkinnedTabStrips {
 public:
  TSkinnedTabStrips() {
    top_ = Make(ui::TTabPosition::tpTop, 0);
    left_ = Make(ui::TTabPosition::tpLeft, 1);
    form_.Show();
    // Made after the frame skinner's walk: left plain.
    plain_ = Make(ui::TTabPosition::tpTop, 2);
  }

  void Paint(ui::TTabControl& tabs) const {
    SendMessageW(tabs.Handle(), WM_PAINT, reinterpret_cast<WPARAM>(target_.Dc()), 0);
  }
  ui::TTabControl& Top() { return *top_; }
  ui::TTabControl& Left() { return *left_; }
  ui::TTabControl& Plain() { return *plain_; }
  bool Skinned() const { return form_.Skinned(); }

 private:
  ui::TTabControl* Make(ui::TTabPosition side, int row) {
    auto* tabs = new ui::TTabControl(&form_.Form());
    tabs->SetBounds(10, 10 + row * (kHeight + 10), kWidth, kHeight);
    for (int i = 0; i < kTabs; ++i) tabs->AddTab("Tab " + std::to_string(i + 1));
    tabs->SetTabPosition(side);
    tabs->SetParent(&form_.Form());
    return tabs;
  }

  skinbench::TSkinnedBenchForm form_{0, 0, kWidth + 20, 3 * kHeight + 40};
  ui::TTabControl* top_ = nullptr;
  ui::TTabControl* left_ = nullptr;
  ui::TTabControl* plain_ = nullptr;
  skinbench::TMemoryTarget target_{kWidth, kHeight};
};

TSkinnedTabStrips& Strips() {
  static TSkinnedTabStrips strips;
  return strips;
}

void PaintSkinnedTabStrip(benchmark::State& state) {
  if (!Strips().Skinned()) return state.SkipWithError("the default skin did not load");
  for (auto _ : state) Strips().Paint(Strips().Top());
}
BENCHMARK(PaintSkinnedTabStrip)->Unit(benchmark::kMicrosecond);

void PaintSkinnedTabStripOnTheLeft(benchmark::State& state) {
  if (!Strips().Skinned()) return state.SkipWithError("the default skin did not load");
  for (auto _ : state) Strips().Paint(Strips().Left());
}
BENCHMARK(PaintSkinnedTabStripOnTheLeft)->Unit(benchmark::kMicrosecond);

void PaintPlainTabStrip(benchmark::State& state) {
  if (!Strips().Skinned()) return state.SkipWithError("the default skin did not load");
  for (auto _ : state) Strips().Paint(Strips().Plain());
}
BENCHMARK(PaintPlainTabStrip)->Unit(benchmark::kMicrosecond);

}  // namespace
