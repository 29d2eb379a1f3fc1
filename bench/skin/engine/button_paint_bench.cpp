// One paint of a skinned push button and of a skinned bitmap button under
// Wine or Windows: the skinner composes the face off-screen (face colour,
// nine-slice frame of the skin's button strip, glyph, caption) and copies it
// in one transfer. The buttons sit on a shown library form wearing the
// default skin, attached by its frame skinner as in the program.

#include <benchmark/benchmark.h>
#include <windows.h>

#include <memory>

#include "skin/component/skin_data.h"
#include "skin/engine/form_skinner_factory.h"
#include "skin/engine/skin_manage.h"
#include "skin/engine/skin_messages.h"
#include "ui/bit_btn.h"
#include "ui/form.h"

namespace {

// A skinned form with one push button and one bitmap button, the calendar's sizes.
class TSkinnedButtons {
 public:
  TSkinnedButtons() {
    skin::CreateSkinManager();
    data_.SetSkinFile(RILVANTA_DEFAULT_SKIN);
    form_.SetBorderStyle(ui::TFormBorderStyle::bsNone);
    form_.SetBounds(100, 100, 200, 80);
    push_ = new ui::TButton(&form_);
    push_->SetParent(&form_);
    push_->SetBounds(10, 10, 71, 25);
    push_->SetCaption("Search");
    bit_ = new ui::TBitBtn(&form_);
    bit_->SetParent(&form_);
    bit_->SetBounds(100, 10, 73, 25);
    bit_->SetCaption("Portal");
    bit_->Glyph().SetSize(18, 16);
    PatBlt(bit_->Glyph().Canvas().Handle(), 2, 2, 14, 12, WHITENESS);
    form_.Show();
    skinner_ = skin::CreateFormSkinner(form_.Handle(), &form_, data_);
    SendMessageW(form_.Handle(), skin::SKM_ATTACHED, 0, skin::kAttachedTag);
    HDC screen = GetDC(nullptr);
    target_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, 80, 30);
    ReleaseDC(nullptr, screen);
    old_ = SelectObject(target_, bitmap_);
  }
  ~TSkinnedButtons() {
    SelectObject(target_, old_);
    DeleteObject(bitmap_);
    DeleteDC(target_);
  }

  // Paints the button's face on a screen-like memory bitmap.
  void Paint(ui::TWinControl& button) const {
    SendMessageW(button.Handle(), WM_PAINT, reinterpret_cast<WPARAM>(target_), 0);
  }
  ui::TButton& Push() { return *push_; }
  ui::TBitBtn& Bit() { return *bit_; }
  bool Skinned() const { return skinner_ != nullptr && !data_.SkinEmpty(); }

 private:
  skin::TSkinData data_{nullptr};
  ui::TForm form_{nullptr};
  ui::TButton* push_ = nullptr;
  ui::TBitBtn* bit_ = nullptr;
  std::unique_ptr<skin::TFormSkinner> skinner_;
  HDC target_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
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
