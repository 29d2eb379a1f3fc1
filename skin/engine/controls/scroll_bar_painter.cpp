#include "skin/engine/controls/scroll_bar_painter.h"

#include <optional>

#include "skin/engine/gdi/gdi_handle.h"
#include "skin/engine/gdi/skin_drawing.h"
#include "ui/graphics/bitmap.h"
#include "ui/graphics/canvas.h"
#include "ui/graphics/colour.h"

namespace skin {
namespace {

// The cells of the arrow strip: four states of each arrow, then the ridges
// of a vertical and of a horizontal thumb in three states, then the grip.
constexpr int kUpArrow = 1, kDownArrow = 5, kLeftArrow = 9, kRightArrow = 13;
constexpr int kVerticalRidges = 17, kHorizontalRidges = 20, kSizeGrip = 23;

// The order of an arrow's or a track's four cells.
enum TPartState { kNormal = 0, kPressed = 1, kDisabled = 2, kHot = 3 };
// The order of a thumb's (and its ridges') three cells.
enum TThumbState { kThumbNormal = 0, kThumbPressed = 1, kThumbHot = 2 };

bool HasPicture(const std::optional<TDataSkinObject>& element) { return element && !element->Bitmap.Empty(); }

TPartState StateOf(TScrollPart part, const TScrollBarLook& look, bool disabled) {
  if (disabled) return kDisabled;
  if (look.Pressed == part) return kPressed;
  return look.Hot == part ? kHot : kNormal;
}

RECT Shifted(const TPixelRect& rect, int dx, int dy) {
  return {rect.Left + dx, rect.Top + dy, rect.Right + dx, rect.Bottom + dy};
}

void DrawSliced(HDC dc, const RECT& target, const TDataSkinObject& element, int frame) {
  DrawNineSlice(dc, target, element.Bitmap, false, element.Tile != 0, element.Trans != 0, element.FrameCount, frame,
                ElementMargins(element));
}

// The thumb's ridges, centred on it while the thumb is longer than they are.
void DrawRidges(HDC dc, const RECT& thumb, const TDataSkinObject& strip, bool vertical, TThumbState state) {
  const int count = strip.FrameCount > 0 ? strip.FrameCount : 1;
  const int width = strip.Bitmap.Width() / count, height = strip.Bitmap.Height();
  const int thumbWidth = thumb.right - thumb.left, thumbHeight = thumb.bottom - thumb.top;
  if (width <= 0 || width > thumbWidth || height > thumbHeight) return;
  const int left = thumb.left + (thumbWidth - width) / 2, top = thumb.top + (thumbHeight - height) / 2;
  // The ridges lie over the thumb, so their key colour is always left out.
  DrawFrameCell(dc, RECT{left, top, left + width, top + height}, strip.Bitmap, true, count,
                (vertical ? kVerticalRidges : kHorizontalRidges) + state);
}

}  // namespace

bool CanPaintScrollBar(const TSkinSettings& skin, bool vertical) {
  return HasPicture(skin.Scrollbar) && HasPicture(vertical ? skin.VertScroll : skin.HorzScroll) &&
         HasPicture(vertical ? skin.VertScrollThumb : skin.HorzScrollThumb);
}

void PaintScrollBar(HDC dc, const RECT& bar, const TScrollBarLayout& layout, const TScrollBarLook& look,
                    const TSkinSettings& skin) {
  const bool vertical = layout.Vertical;
  const int width = bar.right - bar.left, height = bar.bottom - bar.top;
  if (!CanPaintScrollBar(skin, vertical) || width <= 0 || height <= 0) return;
  ui::TBitmap buffer;
  buffer.SetSize(width, height);
  const HDC canvas = buffer.Canvas().Handle();
  if (!canvas) return;
  const int dx = -bar.left, dy = -bar.top;
  const TDataSkinObject& strip = *skin.Scrollbar;
  const TDataSkinObject& track = vertical ? *skin.VertScroll : *skin.HorzScroll;
  const TDataSkinObject& thumb = vertical ? *skin.VertScrollThumb : *skin.HorzScrollThumb;

  // The whole track first, under a thumb whose picture leaves pixels out;
  // then the part before or after the thumb that is hot or pressed.
  const TPartState trackState = look.Disabled ? kDisabled : kNormal;
  DrawSliced(canvas, Shifted(layout.Track, dx, dy), track, 1 + trackState);
  for (const TScrollPart part : {TScrollPart::FirstTrack, TScrollPart::SecondTrack}) {
    const TPartState state = StateOf(part, look, look.Disabled);
    if (state == trackState) continue;
    DrawSliced(canvas, Shifted(part == TScrollPart::FirstTrack ? layout.FirstTrack() : layout.SecondTrack(), dx, dy),
               track, 1 + state);
  }

  const int first = vertical ? kUpArrow : kLeftArrow, second = vertical ? kDownArrow : kRightArrow;
  const bool firstDisabled = look.Disabled || look.FirstArrowDisabled;
  const bool secondDisabled = look.Disabled || look.SecondArrowDisabled;
  DrawFrameCell(canvas, Shifted(layout.FirstArrow, dx, dy), strip.Bitmap, strip.Trans != 0, strip.FrameCount,
                first + StateOf(TScrollPart::FirstArrow, look, firstDisabled));
  DrawFrameCell(canvas, Shifted(layout.SecondArrow, dx, dy), strip.Bitmap, strip.Trans != 0, strip.FrameCount,
                second + StateOf(TScrollPart::SecondArrow, look, secondDisabled));

  if (!layout.Thumb.Empty()) {
    const TThumbState state = look.Pressed == TScrollPart::Thumb ? kThumbPressed
                              : look.Hot == TScrollPart::Thumb   ? kThumbHot
                                                                 : kThumbNormal;
    const RECT where = Shifted(layout.Thumb, dx, dy);
    DrawSliced(canvas, where, thumb, 1 + state);
    DrawRidges(canvas, where, strip, vertical, state);
  }
  BitBlt(dc, bar.left, bar.top, width, height, canvas, 0, 0, SRCCOPY);
}

bool PaintSizeGrip(HDC dc, const RECT& rect, const TSkinSettings& skin) {
  if (!HasPicture(skin.Scrollbar)) return false;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return true;
  ui::TBitmap buffer;
  buffer.SetSize(width, height);
  const HDC canvas = buffer.Canvas().Handle();
  if (!canvas) return false;
  const RECT whole{0, 0, width, height};
  const TBrushHandle face(CreateSolidBrush(ui::ColourToRgb(skin.ButtonFaceColour)));
  FillRect(canvas, &whole, face.get());
  // The grip keeps its size in the bottom-right corner, as the system's does.
  const TDataSkinObject& strip = *skin.Scrollbar;
  const int count = strip.FrameCount > 0 ? strip.FrameCount : 1;
  const int gripWidth = strip.Bitmap.Width() / count, gripHeight = strip.Bitmap.Height();
  const RECT grip{width - gripWidth, height - gripHeight, width, height};
  DrawFrameCell(canvas, grip, strip.Bitmap, true, count, kSizeGrip);
  BitBlt(dc, rect.left, rect.top, width, height, canvas, 0, 0, SRCCOPY);
  return true;
}

}  // namespace skin
