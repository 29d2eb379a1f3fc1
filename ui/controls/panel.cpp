#include "ui/controls/panel.h"

#include "ui/graphics/canvas.h"

namespace ui {
namespace {

UINT EdgeFor(TBevelCut cut, UINT raised, UINT sunken) {
  switch (cut) {
    case TBevelCut::bvRaised:
      return raised;
    case TBevelCut::bvLowered:
      return sunken;
    default:
      return 0;
  }
}

}  // namespace

TPanel::TPanel(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 41); }

void TPanel::SetBevelOuter(TBevelCut cut) {
  bevelOuter_ = cut;
  Invalidate();
}

void TPanel::SetBevelInner(TBevelCut cut) {
  bevelInner_ = cut;
  Invalidate();
}

void TPanel::PaintWindow(HDC dc) {
  RECT face = ClientRect();
  for (const UINT edge : {EdgeFor(bevelOuter_, BDR_RAISEDOUTER, BDR_SUNKENOUTER),
                          EdgeFor(bevelInner_, BDR_RAISEDINNER, BDR_SUNKENINNER)}) {
    if (edge) DrawEdge(dc, &face, edge, BF_RECT | BF_ADJUST);
  }
  const std::string caption = Caption();
  if (caption.empty()) return;
  TCanvas canvas(dc);
  canvas.Font.Assign(Font());
  canvas.Brush.Style = TBrushStyle::bsClear;
  canvas.DrawText(caption, face, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS);
}

}  // namespace ui
