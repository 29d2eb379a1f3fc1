#include "skin/engine/skin_progress.h"

#include <commctrl.h>

#include <cstdint>

#include "skin/component/skin_data.h"
#include "skin/engine/skin_drawing.h"
#include "skin/engine/skin_speed_button.h"

namespace skin {
namespace {

constexpr int kBlockStyle = 1;

TSliceMargins MarginsOf(const TDataSkinObject& element) {
  return {element.LeftWidth, element.TopHeight, element.RightWidth, element.BottomHeight};
}

}  // namespace

bool TSkinProgress::HasPicture() const {
  if (!SkinData()) return false;
  const std::optional<TDataSkinBorder>& progress = SkinData()->Skin().Progress;
  return progress && !progress->Bitmap.Empty();
}

bool TSkinProgress::BeforeMessage(ui::TMessage& message) { return !HasPicture() || !TakePaintMessages(message); }

int TSkinProgress::FilledWidth(const RECT& rect) const {
  const auto position = static_cast<std::int64_t>(SendMessageW(WindowHandle(), PBM_GETPOS, 0, 0));
  const auto upper = static_cast<std::int64_t>(SendMessageW(WindowHandle(), PBM_GETRANGE, FALSE, 0));
  if (position <= 0 || upper <= 0) return 0;
  // In 64 bits: a position of millions times a width overflows 32.
  return static_cast<int>(position * (rect.right - rect.left) / upper);
}

void TSkinProgress::DrawSkin(HDC dc, const RECT& rect) {
  if (!HasPicture()) return;
  const TDataSkinBorder& progress = *SkinData()->Skin().Progress;
  TOffscreenBitmap& buffer = SpeedButtonBuffer();
  if (buffer.Width() < rect.right || buffer.Height() < rect.bottom) buffer.Create(dc, rect.right, rect.bottom);
  const HDC canvas = buffer.Dc();
  if (!canvas) return;
  FillFace(canvas, rect);
  const TSliceMargins margins = MarginsOf(progress);
  const bool tile = progress.Tile != 0;
  const int filled = FilledWidth(rect);
  if (progress.Style != kBlockStyle) {
    DrawNineSlice(canvas, rect, progress.Bitmap, false, tile, true, 2, 1, margins);
    if (filled > 0)
      DrawNineSlice(canvas, RECT{rect.left, rect.top, rect.left + filled, rect.bottom}, progress.Bitmap, false, tile,
                    true, 2, 2, margins);
  } else {
    DrawNineSlice(canvas, rect, progress.Bitmap, false, tile, true, 1, 1, margins);
    const TSkinBitmap& block = progress.Bitmap2;
    // A block style without a block picture shows the track only.
    if (filled > 0 && !block.Empty()) {
      const int left = rect.left + progress.LeftWidth;
      const int top = rect.top + (rect.bottom - rect.top - block.Height()) / 2;
      // The blocks repeat over the filled width and are cut at its end.
      const int saved = SaveDC(canvas);
      IntersectClipRect(canvas, left, top, left + filled, top + block.Height());
      TileBitmap(canvas, RECT{left, top, left + filled, top + block.Height()}, block,
                 RECT{0, 0, block.Width(), block.Height()});
      RestoreDC(canvas, saved);
    }
  }
  buffer.CopyTo(dc, rect);
}

}  // namespace skin
