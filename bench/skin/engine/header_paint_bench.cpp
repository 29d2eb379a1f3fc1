// One paint of a skinned header of 10 columns under Wine or Windows: the
// skinner composes every item (nine-slice of the skin's header picture, icon,
// caption) and the empty area after them off-screen and copies the result in
// one transfer. The header sits on a shown library form wearing the default
// skin, attached by its frame skinner as in the program; the same header
// unskinned, painted by the system, is the yardstick.

#include <benchmark/benchmark.h>
#include <windows.h>

#include <string>

#include "bench/skin/engine/memory_target.h"
#include "bench/skin/engine/skinned_bench_form.h"
#include "ui/controls/header_control.h"
#include "ui/graphics/bitmap.h"
#include "ui/graphics/image_list.h"

namespace {

constexpr int kColumns = 10, kColumnWidth = 60, kWidth = 640, kHeight = 22;

// A form with a header of 10 columns (every third with an icon, the
// alignments taking turns), skinned or not.
class THeaderForm {
 public:
  explicit THeaderForm(bool skinned) : form_(100, skinned ? 100 : 200, kWidth, 40) {
    auto* images = new ui::TImageList(&form_.Form());
    ui::TBitmap icon;
    icon.SetSize(16, 16);
    PatBlt(icon.Canvas().Handle(), 2, 2, 12, 12, BLACKNESS);
    images->AddMasked(icon, clWhite);
    header_ = new ui::THeaderControl(&form_.Form());
    header_->SetParent(&form_.Form());
    header_->SetBounds(0, 0, kWidth, kHeight);
    header_->SetImages(images);
    for (int i = 0; i < kColumns; ++i)
      header_->AddSection({"Column " + std::to_string(i + 1), kColumnWidth, static_cast<ui::TAlignment>(i % 3),
                           i % 3 == 0 ? 0 : ui::kNoImageIndex});
    form_.Show(skinned);
  }

  // Paints the header on a screen-like memory bitmap.
  void Paint() const { SendMessageW(header_->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(target_.Dc()), 0); }
  bool Skinned() const { return form_.Skinned(); }

 private:
  skinbench::TSkinnedBenchForm form_;
  ui::THeaderControl* header_ = nullptr;
  skinbench::TMemoryTarget target_{kWidth, kHeight};
};

void PaintSkinnedHeader(benchmark::State& state) {
  static THeaderForm header(true);
  if (!header.Skinned()) return state.SkipWithError("the default skin did not load");
  for (auto _ : state) header.Paint();
}
BENCHMARK(PaintSkinnedHeader)->Unit(benchmark::kMicrosecond);

void PaintPlainHeader(benchmark::State& state) {
  static THeaderForm header(false);
  for (auto _ : state) header.Paint();
}
BENCHMARK(PaintPlainHeader)->Unit(benchmark::kMicrosecond);

}  // namespace
