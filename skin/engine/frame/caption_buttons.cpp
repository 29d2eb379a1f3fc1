#include "skin/engine/frame/caption_buttons.h"

#include <algorithm>

#include "skin/component/skin_data.h"
#include "skin/engine/frame/win_skin_menu.h"
#include "skin/engine/gdi/icon_picture.h"
#include "skin/engine/gdi/skin_drawing.h"

namespace skin {
namespace {

constexpr int kHotFrame = 3;
// The hot cell of a button standing in the menu bar.
constexpr int kMenuBarHotFrame = 4;

bool StandsInMenuBar(const TWinSysButton& button) { return button.Record.Visibility == kVisibleWithMdiMenuBar; }

}  // namespace

void TCaptionButtons::ReadWindowIcon(HWND window, TSkinData& data, const std::vector<TSkinData*>& loaded) {
  iconPicture_ = WindowIconPicture(window);
  if (!iconPicture_.Empty()) return;
  ui::TBitmap* icon = data.IconImage().Empty() ? nullptr : &data.IconImage();
  if (!icon) {
    for (TSkinData* other : loaded)
      if (other->SkinFormtype() == TSkinFormType::sfMainform && !other->IconImage().Empty()) icon = &other->IconImage();
  }
  iconPicture_ = IconPictureFrom(icon);
}

void TCaptionButtons::Create(TSkinData& data, TNCObject*& hotObject, TCaptionButtonPainter& painter) {
  for (const TDataSkinSysButton& record : data.Skin().SysButtons) {
    TDataSkinSysButton own = record;
    if (ShowsWindowIcon(own)) {
      if (own.Bitmap.Empty()) own.Bitmap = iconPicture_;
      if (data.IconImage().Empty() && !iconPicture_.Empty()) AssignIconPicture(data.IconImage(), iconPicture_);
      own.FrameCount = 1;
    }
    buttons_.push_back(std::make_unique<TWinSysButton>(hotObject, painter, std::move(own)));
  }
}

void TCaptionButtons::Clear() { buttons_.clear(); }

void TCaptionButtons::Layout(const TCaptionPlacement& placement, const TCaptionState& state) {
  rightButtonsLeft_ = 0;
  for (const auto& each : buttons_) {
    TWinSysButton& button = *each;
    button.Visible = IsCaptionButtonVisible(button.Record, state);
    if (!button.Visible || button.Record.Bitmap.Empty()) continue;
    const int cellWidth = button.Record.Bitmap.Width() / std::max(button.Record.FrameCount, 1);
    button.Bounds =
        CaptionButtonBounds(button.Record, cellWidth, button.Record.Bitmap.Height(), placement, rightButtonsLeft_);
  }
}

std::pair<int, int> TCaptionButtons::FreeTitleSpan(int left, int right) const {
  constexpr int kGap = 5;
  const int middle = left + (right - left) / 2;
  std::pair<int, int> span{left, right};
  for (const auto& button : buttons_) {
    const TDataSkinSysButton& record = button->Record;
    const bool byEdge = record.Align == 0 || record.Align == 1;
    if (!button->Visible || record.Bitmap.Empty() || !byEdge || StandsInMenuBar(*button)) continue;
    const TPixelRect& b = button->Bounds;
    if (b.Left + b.Width() / 2 < middle)
      span.first = std::max(span.first, b.Right + kGap);
    else
      span.second = std::min(span.second, b.Left - kGap);
  }
  return span;
}

TWinSysButton* TCaptionButtons::ButtonAt(POINT point) const {
  for (const auto& button : buttons_)
    if (button->Visible && button->Record.Action >= 0 && Contains(button->Bounds, point.x, point.y))
      return button.get();
  return nullptr;
}

void TCaptionButtons::PaintIdle(HDC dc, bool active) const {
  for (const auto& button : buttons_) {
    if (!button->Visible || button->Record.Bitmap.Empty() || StandsInMenuBar(*button)) continue;
    Draw(dc, *button, IdleCaptionButtonFrame(active, button->Record.FrameCount));
  }
}

void TCaptionButtons::PaintState(HWND window, const TWinSysButton& button, int frame,
                                 const TOffscreenBitmap& titleBackground, TWinSkinMenu* menuBar) const {
  if (StandsInMenuBar(button) && frame == kHotFrame) frame = kMenuBarHotFrame;
  if (StandsInMenuBar(button) && menuBar &&
      menuBar->PaintOverBar(button.Bounds, [&](HDC dc, const RECT& cell) { Draw(dc, cell, button, frame); }))
    return;
  const TPixelRect& b = button.Bounds;
  HDC dc = GetWindowDC(window);
  const bool inTitle = !titleBackground.Empty() && b.Left >= 0 && b.Top >= 0 && b.Right <= titleBackground.Width() &&
                       b.Bottom <= titleBackground.Height() && !b.Empty();
  if (!inTitle) {
    Draw(dc, button, frame);
    ReleaseDC(window, dc);
    return;
  }
  TOffscreenBitmap cell;
  cell.Create(dc, b.Width(), b.Height());
  BitBlt(cell.Dc(), 0, 0, b.Width(), b.Height(), titleBackground.Dc(), b.Left, b.Top, SRCCOPY);
  Draw(cell.Dc(), RECT{0, 0, b.Width(), b.Height()}, button, frame);
  cell.CopyTo(dc, RECT{b.Left, b.Top, b.Right, b.Bottom});
  ReleaseDC(window, dc);
}

void TCaptionButtons::Draw(HDC dc, const TWinSysButton& button, int frame) const {
  const TPixelRect& b = button.Bounds;
  Draw(dc, RECT{b.Left, b.Top, b.Right, b.Bottom}, button, frame);
}

void TCaptionButtons::Draw(HDC dc, const RECT& target, const TWinSysButton& button, int frame) const {
  if (ShowsWindowIcon(button.Record))
    DrawFrameCell(dc, target, iconPicture_, true, 1, 1);
  else
    DrawFrameCell(dc, target, button.Record.Bitmap, true, button.Record.FrameCount, frame);
}

}  // namespace skin
