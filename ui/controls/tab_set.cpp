#include "ui/controls/tab_set.h"

#include <algorithm>

#include <windowsx.h>

#include "ui/graphics/canvas.h"

namespace ui {

TTabSet::TTabSet(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 21); }

void TTabSet::AddTab(const std::string& caption) {
  tabs_.push_back(caption);
  if (tabIndex_ < 0) tabIndex_ = 0;
  Invalidate();
}

void TTabSet::SetTabIndex(int index) {
  tabIndex_ = index >= 0 && index < TabCount() ? index : -1;
  Invalidate();
}

void TTabSet::SetFirstIndex(int index) {
  firstIndex_ = std::clamp(index, 0, std::max(TabCount() - 1, 0));
  Invalidate();
}

void TTabSet::SetStartMargin(int margin) {
  startMargin_ = margin;
  Invalidate();
}

void TTabSet::SetEndMargin(int margin) {
  endMargin_ = margin;
  Invalidate();
}

std::vector<RECT> TTabSet::TabRects() {
  std::vector<RECT> rects(tabs_.size(), RECT{});
  const HDC screen = GetDC(nullptr);
  TCanvas canvas(screen);
  canvas.Font.Assign(Font());
  const int limit = Width() - endMargin_;
  int x = startMargin_;
  for (int i = firstIndex_; i < TabCount(); ++i) {
    const int width = canvas.TextWidth(tabs_[i]) + kTabPadding;
    if (x + width > limit) continue;
    rects[i] = RECT{x, 0, x + width, Height()};
    x += width;
  }
  ReleaseDC(nullptr, screen);
  return rects;
}

int TTabSet::TabAt(POINT point) {
  const std::vector<RECT> rects = TabRects();
  for (int i = 0; i < TabCount(); ++i)
    if (PtInRect(&rects[i], point)) return i;
  return -1;
}

void TTabSet::Changed() {
  Invalidate();
  if (OnChange) OnChange(this);
}

void TTabSet::WndProc(TMessage& message) {
  if (message.Msg == WM_LBUTTONDOWN) {
    const int tab = TabAt(POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
    if (tab >= 0 && tab != tabIndex_) {
      tabIndex_ = tab;
      Changed();  // may free this control
      return;
    }
  }
  TWinControl::WndProc(message);
}

void TTabSet::PaintWindow(HDC dc) {
  // Tabs hang from the page's edge along the top; the selected one joins the
  // page, the others lie behind it.
  TCanvas canvas(dc);
  canvas.Font.Assign(Font());
  if (!Enabled()) canvas.Font.SetColor(clGrayText);
  canvas.Pen.Color = clWindowText;
  canvas.MoveTo(0, 0);
  canvas.LineTo(Width(), 0);
  const std::vector<RECT> rects = TabRects();
  for (int i = 0; i < TabCount(); ++i) {
    RECT tab = rects[i];
    if (IsRectEmpty(&tab)) continue;
    const bool selected = i == tabIndex_;
    canvas.Brush.Style = TBrushStyle::bsSolid;
    canvas.Brush.Color = selected ? clBtnFace : clBtnHighlight;
    canvas.Rectangle(RECT{tab.left, selected ? -1 : 0, tab.right + 1, tab.bottom});
    canvas.Brush.Style = TBrushStyle::bsClear;
    canvas.DrawText(tabs_[i], tab, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
}

}  // namespace ui
