#include "skin/engine/frame/frame_painting.h"

#include <algorithm>

#include "skin/engine/gdi/skin_drawing.h"
#include "skin/engine/geometry/frame_layout.h"

namespace skin {
namespace {

constexpr int kTitleTextBackFrames = 2;

RECT ToRect(const TPixelRect& box) { return RECT{box.Left, box.Top, box.Right, box.Bottom}; }
TPixelRect ToPixelRect(const RECT& rect) { return TPixelRect{rect.left, rect.top, rect.right, rect.bottom}; }

}  // namespace

const TDataSkinBorder& BorderOf(const TSkinSettings& skin, TBorderSide side) {
  switch (side) {
    case TBorderSide::Left:
      return skin.LeftBorder;
    case TBorderSide::Right:
      return skin.RightBorder;
    case TBorderSide::Top:
      return skin.TopBorder;
    case TBorderSide::Bottom:
      break;
  }
  return skin.BottomBorder;
}

TBitmapHandle RenderBorderPiece(const TSkinSettings& skin, TBorderSide side, const RECT& rect, bool active) {
  if (rect.right - rect.left <= 0 || rect.bottom - rect.top <= 0) return nullptr;
  const TDataSkinBorder& border = BorderOf(skin, side);
  const TSliceMargins margins = ElementMargins(border);
  const bool vertical = side == TBorderSide::Top || side == TBorderSide::Bottom;
  return RenderNineSlice(RECT{0, 0, rect.right - rect.left, rect.bottom - rect.top}, border.Bitmap, margins, vertical,
                         border.Tile != 1, border.FrameCount, BorderFrame(active, border.FrameCount));
}

void PaintBorderPiece(HDC dc, const TSkinSettings& skin, TBorderSide side, const RECT& rect, bool active) {
  TOffscreenBitmap piece;
  piece.Reset(RenderBorderPiece(skin, side, rect, active), rect.right - rect.left, rect.bottom - rect.top);
  piece.CopyTo(dc, rect);
}

void TBorderPieceCache::Paint(HDC dc, const TSkinSettings& skin, TBorderSide side, const RECT& rect, bool active) {
  TOffscreenBitmap& piece = pieces_[static_cast<int>(side) - 1][active ? 1 : 0];
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (piece.Empty() || piece.Width() != width || piece.Height() != height)
    piece.Reset(RenderBorderPiece(skin, side, rect, active), width, height);
  piece.CopyTo(dc, rect);
}

void TBorderPieceCache::Clear() {
  for (auto& side : pieces_)
    for (TOffscreenBitmap& piece : side) piece.Reset();
}

TPixelRect PaintTitleText(HDC dc, const TDataSkinTitle& title, const RECT& rect, const std::wstring& prefix,
                          const std::wstring& caption, const TCaptionTextStyle& style) {
  HGDIOBJ oldFont = SelectObject(dc, style.Font ? style.Font : GetStockObject(DEFAULT_GUI_FONT));
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColour = SetTextColor(dc, style.Colour);

  // Measured with the blank that separates the prefix from the caption.
  std::wstring measured = prefix + L" " + caption;
  RECT extent{rect.left, rect.top, rect.left, rect.top};
  DrawTextW(dc, measured.c_str(), static_cast<int>(measured.size()), &extent, DT_SINGLELINE | DT_CALCRECT);
  TPixelRect box =
      TitleTextBoxOf(title, TTitleTextInput{ToPixelRect(rect), extent.right - extent.left, extent.bottom - extent.top,
                                            style.RightToLeft, style.Popup, style.RightButtonsLeft});
  box.Left = std::max(box.Left, style.FreeLeft);
  box.Right = std::max(box.Left, std::min(box.Right, style.FreeRight));
  if (!title.Bitmap.Empty()) {
    const TSliceMargins ends{title.TextBackLeft, 0, title.TextBackRight, 0};
    DrawThreeSlice(dc, RECT{box.Left, rect.top, box.Right, rect.bottom}, title.Bitmap, true, true, kTitleTextBackFrames,
                   style.Active ? 1 : 2, ends);
  }
  RECT textRect = ToRect(box);
  textRect.left += title.TextBackLeft;
  textRect.right -= title.TextBackRight;
  const std::wstring text = prefix + caption;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
            DT_SINGLELINE | DT_END_ELLIPSIS | (style.RightToLeft ? DT_RIGHT : DT_LEFT));

  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
  SelectObject(dc, oldFont);
  return box;
}

}  // namespace skin
