// One paint of a skinned push button and of a skinned bitmap button under
// Wine or Windows: the skinner composes the face off-screen (face colour,
// nine-slice frame of the skin's button strip, glyph, caption) and copies it
// in one transfer. The buttons sit on a shown library form wearing the
// default skin, attached by its frame skinner as in the program.

#include <benchmark/benchmark.h>
#include <windows.h>

#include "bench/skin/engine/memory_target.h"
#include "bench/skin/engine/skinned_bench_form.h"
#include "ui/controls/bit_btn.h"

namespace {

// A skinned form with one push button and one bitmap button, the calendar's sizes.
class TSkinnedButtons {
 public:
  TSkinnedButtons() {
    push_ = new ui::TButton(&form_.Form());
    push_->SetParent(&form_.Form());
    push_->SetBounds(10, 10, 71, 25);
    push_->SetCaption("Search");
    bit_ = new ui::TBitBtn(&form_.Form());
    bit_->SetParent(&form_.Form());
    bit_->SetBounds(100, 10, 73, 25);
    bit_->SetCaption("Portal");
    bit_->Glyph().SetSize(18, 16);
    PatBlt(bit_->Glyph().Canvas().Handle(), 2, 2, 14, 12, WHITENESS);
    form_.Show();
  }

  // Paints the button's face on a screen-like memory bitmap.
  void Paint(ui::TWinControl& button) const {
    SendMessageW(button.Handle(), WM_PAINT, reinterpret_cast<WPARAM>(target_.Dc()), 0);
  }
  ui::TButton& Push() { return *push_; }
  ui::TBitBtn& Bit() { return *bit_; }
  bool Skinned() const { return form_.Skinned(); }

 private:
  skinbench::TSkinnedBenchForm form_{100, 100, 200, 80};
  ui::TButton* push_ = nullptr;
  ui::TBitBtn* bit_ = nullptr;
  skinbench::TMemoryTarget target_{80, 30};
};

TSkinnedButtons& Buttons() {
  static TSkinnedButtons buttons;
  return buttons;
}

void PaintSkinnedPushButton(benchmark::State& state) {
  if (!Buttons().Skinned()) return state.SkipWithError("the default skin did not load");
  for (auto _ : state) Buttons().Paint(Buttons().Push());
}
BENCHMARK(PaintSkinnedPushButton)->Unit(benchmark::kMicrosecond);

void PaintSkinnedBitmapButton(benchmark::State& state) {
  if (!Buttons().Skinned()) return state.SkipWithError("the default skin did not load");
  for (auto _ : state) Buttons().Paint(Buttons().Bit());
}
BENCHMARK(PaintSkinnedBitmapButton)->Unit(benchmark::kMicrosecond);

}  // namespace
