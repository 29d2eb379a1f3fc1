// One paint of a skinned scroll bar under Wine or Windows: a bar control of
// 17 x 300 on a shown library form wearing the default skin, attached by its
// frame skinner as in the program, painted through its WM_PAINT (the skinner
// reads the bar's range and arrow states, lays it out, composes the arrows,
// the track and the thumb off-screen and copies them in one transfer); and the
// composing alone, for a horizontal bar of the same size.

#include <benchmark/benchmark.h>
#include <windows.h>

#include "bench/skin/engine/memory_target.h"
#include "bench/skin/engine/skinned_bench_form.h"
#include "skin/engine/controls/scroll_bar_painter.h"
#include "skin/engine/geometry/scroll_bar_layout.h"
#include "ui/controls/scroll_bar.h"

namespace {

constexpr int kLength = 300, kThickness = 17;

class TSkinnedScrollBar {
 public:
  TSkinnedScrollBar() {
    bar_ = new ui::TScrollBar(&form_.Form());
    bar_->SetParent(&form_.Form());
    bar_->SetOrientation(ui::TOrientation::Vertical);
    bar_->SetBounds(10, 10, kThickness, kLength);
    bar_->SetRange(0, 100);
    bar_->SetPageSize(20);
    bar_->SetPosition(40);
    form_.Show();
  }

  void PaintControl() const { SendMessageW(bar_->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(target_.Dc()), 0); }
  HDC Target() const { return target_.Dc(); }
  const skin::TSkinSettings& Skin() const { return form_.Skin(); }
  bool Skinned() const { return form_.Skinned(); }

 private:
  skinbench::TSkinnedBenchForm form_{100, 100, 200, 340};
  ui::TScrollBar* bar_ = nullptr;
  skinbench::TMemoryTarget target_{kLength, kLength};
};

TSkinnedScrollBar& Bar() {
  static TSkinnedScrollBar bar;
  return bar;
}

void PaintSkinnedScrollBarControl(benchmark::State& state) {
  if (!Bar().Skinned()) return state.SkipWithError("the default skin did not load");
  for (auto _ : state) Bar().PaintControl();
}
BENCHMARK(PaintSkinnedScrollBarControl)->Unit(benchmark::kMicrosecond);

void ComposeScrollBarPictures(benchmark::State& state) {
  if (!Bar().Skinned()) return state.SkipWithError("the default skin did not load");
  const skin::TScrollBarLayout layout =
      skin::LayoutScrollBar({0, 0, kLength, kThickness}, false, {0, 100, 20, 40}, {kThickness, 6, 4});
  const skin::TScrollBarLook look{.Hot = skin::TScrollPart::Thumb};
  for (auto _ : state)
    skin::PaintScrollBar(Bar().Target(), RECT{0, 0, kLength, kThickness}, layout, look, Bar().Skin());
}
BENCHMARK(ComposeScrollBarPictures)->Unit(benchmark::kMicrosecond);

}  // namespace
