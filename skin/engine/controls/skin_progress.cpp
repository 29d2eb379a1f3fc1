#include "skin/engine/controls/skin_progress.h"

#include <commctrl.h>

#include <cstdint>

#include "skin/component/skin_data.h"
#include "skin/engine/gdi/shared_work_bitmap.h"
#include "skin/engine/gdi/skin_drawing.h"

namespace skin {
namespace {

constexpr int kBlockStyle = 1;

}  // namespace

bool TSkinProgress::HasPicture() const {
  if (!SkinData()) return false;
  const std::optional<TDataSkinBorder>& progress = SkinData()->Skin().Progress;
  return progress && !progress->Bitmap.Empty();
}

bool TSkinProgress::BeforeMessage(ui::TMessage& message) { return !HasPicture() || !TakePaintMessages(message); }

int TSkinProgress::FilledLength(int length) const {
  const auto position = static_cast<std::int64_t>(SendMessageW(WindowHandle(), PBM_GETPOS, 0, 0));
  const auto upper = static_cast<std::int64_t>(SendMessageW(WindowHandle(), PBM_GETRANGE, FALSE, 0));
  if (position <= 0 || upper <= 0) return 0;
  // In 64 bits: a position of millions times a width overflows 32.
  return static_cast<int>(position * length / upper);
}

void TSkinProgress::DrawSkin(HDC dc, const RECT& rect) {
  if (!HasPicture()) return;
  const TDataSkinBorder& progress = *SkinData()->Skin().Progress;
  const HDC canvas = SharedWorkBitmap().CanvasOfAtLeast(rect.right, rect.bottom).Handle();
  if (!canvas) return;
  FillFace(canvas, rect);
  const TSliceMargins margins = ElementMargins(progress);
  const bool tile = progress.Tile != 0;
  // An upright bar fills from the bottom.
  const bool vertical = (GetWindowLongPtrW(WindowHandle(), GWL_STYLE) & PBS_VERTICAL) != 0;
  const int filled = FilledLength(vertical ? rect.bottom - rect.top : rect.right - rect.left);
  if (progress.Style != kBlockStyle) {
    DrawNineSlice(canvas, rect, progress.Bitmap, false, tile, true, 2, 1, margins);
    const RECT bar = vertical ? RECT{rect.left, rect.bottom - filled, rect.right, rect.bottom}
                              : RECT{rect.left, rect.top, rect.left + filled, rect.bottom};
    if (filled > 0) DrawNineSlice(canvas, bar, progress.Bitmap, false, tile, true, 2, 2, margins);
  } else {
    DrawNineSlice(canvas, rect, progress.Bitmap, false, tile, true, 1, 1, margins);
    // A block style without a block picture shows the track only.
    if (filled > 0 && !progress.Bitmap2.Empty()) DrawBlocks(canvas, rect, progress, filled, vertical);
  }
  BitBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, canvas, 0, 0, SRCCOPY);
}

void TSkinProgress::DrawBlocks(HDC dc, const RECT& rect, const TDataSkinBorder& progress, int filled,
                               bool vertical) const {
  const TSkinBitmap& block = progress.Bitmap2;
  const int width = block.Width(), height = block.Height();
  // The filled part, after the margin the bar starts at, centred across the bar.
  RECT area{};
  RECT tiles{};
  if (vertical) {
    const int left = rect.left + (rect.right - rect.left - width) / 2;
    const int bottom = rect.bottom - progress.BottomHeight;
    area = RECT{left, bottom - filled, left + width, bottom};
    // The rows of blocks stand on the bottom.
    tiles = RECT{left, bottom - (filled + height - 1) / height * height, left + width, bottom};
  } else {
    const int left = rect.left + progress.LeftWidth;
    const int top = rect.top + (rect.bottom - rect.top - height) / 2;
    area = tiles = RECT{left, top, left + filled, top + height};
  }
  // The blocks are cut where the filled part ends.
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
  TileBitmap(dc, tiles, block, RECT{0, 0, width, height});
  RestoreDC(dc, saved);
}

}  // namespace skin
