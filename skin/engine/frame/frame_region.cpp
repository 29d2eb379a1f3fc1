#include "skin/engine/frame/frame_region.h"

#include "skin/engine/frame/frame_painting.h"
#include "skin/engine/gdi/skin_drawing.h"

namespace skin {
namespace {

constexpr int kKeyTolerance = 1;

// Joins `part` into `region` and frees it.
void Join(HRGN region, HRGN part) {
  if (!part) return;
  CombineRgn(region, region, part, RGN_OR);
  DeleteObject(part);
}

// GDI would turn a rectangle of negative size around; it covers nothing here.
HRGN RectRegion(const RECT& rect) {
  if (rect.right <= rect.left || rect.bottom <= rect.top) return nullptr;
  return CreateRectRgnIndirect(&rect);
}

HRGN PieceRegion(HBITMAP piece, const RECT& rect) {
  return RegionFromBitmap(piece, rect.left, rect.top, kKeyTolerance, kKeyTolerance, kKeyTolerance);
}

// A border piece as painted, without its magenta; the plain rectangle when
// the border is opaque or the piece too small to shape.
HRGN SidePart(const TFrameRegionInput& input, TBorderSide side, const RECT& rect, bool shaped) {
  if (!shaped) return RectRegion(rect);
  TBitmapHandle piece = RenderBorderPiece(*input.Skin, side, rect, input.Active);
  return piece ? PieceRegion(piece.get(), rect) : nullptr;
}

// The top piece with the caption text and buttons drawn on it.
HRGN TopPart(const TFrameRegionInput& input, const RECT& rect, bool shaped) {
  if (!shaped || !input.TitleBar) return SidePart(input, TBorderSide::Top, rect, shaped);
  HDC screen = GetDC(nullptr);
  HDC target = CreateCompatibleDC(screen);
  HBITMAP piece = CreateCompatibleBitmap(screen, rect.right - rect.left, rect.bottom - rect.top);
  HGDIOBJ oldTarget = SelectObject(target, piece);
  BitBlt(target, 0, 0, rect.right - rect.left, rect.bottom - rect.top, input.TitleBar, rect.left, rect.top, SRCCOPY);
  SelectObject(target, oldTarget);
  DeleteDC(target);
  ReleaseDC(nullptr, screen);
  HRGN part = PieceRegion(piece, rect);
  DeleteObject(piece);
  return part;
}

}  // namespace

bool FrameHasTransparentBorders(const TSkinSettings& skin) {
  return skin.RightBorder.Trans + skin.TopBorder.Trans + 2 * skin.LeftBorder.Trans != 0;
}

HRGN BuildFrameRegion(const TFrameRegionInput& input) {
  const int w = input.Width;
  const int h = input.Height;
  const TFrameWidths& f = input.Widths;
  if (!FrameHasTransparentBorders(*input.Skin)) return CreateRectRgn(0, 0, w, h);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  Join(region, RectRegion(RECT{f.Left, f.Title, w - f.Right, h - f.Bottom}));
  const TSkinSettings& skin = *input.Skin;
  const RECT left{0, 0, f.Left, h};
  const RECT right{w - f.Right, 0, w, h};
  const RECT bottom{f.Left, h - f.Bottom, w - f.Right, h};
  const RECT top{f.Left, 0, w - f.Right, f.Title};
  Join(region, SidePart(input, TBorderSide::Left, left, skin.LeftBorder.Trans == 1 && h > 1));
  Join(region, SidePart(input, TBorderSide::Right, right, skin.RightBorder.Trans == 1 && h > 1));
  Join(region, SidePart(input, TBorderSide::Bottom, bottom, skin.BottomBorder.Trans == 1 && f.Bottom >= 2));
  Join(region, TopPart(input, top, skin.TopBorder.Trans == 1 && f.Title > 1 && top.right > top.left));
  return region;
}

}  // namespace skin
