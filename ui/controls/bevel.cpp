#include "ui/controls/bevel.h"

namespace ui {

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 50, 50); }

void TBevel::SetShape(TBevelShape shape) {
  shape_ = shape;
  Invalidate();
}

void TBevel::SetStyle(TBevelStyle style) {
  style_ = style;
  Invalidate();
}

void TBevel::Paint() {
  TCanvas& canvas = Canvas();
  // A lowered bevel has its shadow line first (top, left), a raised one its light line.
  const TColour first = style_ == TBevelStyle::bsLowered ? clBtnShadow : clBtnHighlight;
  const TColour second = style_ == TBevelStyle::bsLowered ? clBtnHighlight : clBtnShadow;
  const int w = Width(), h = Height();
  auto line = [&canvas](TColour color, int x1, int y1, int x2, int y2) {
    canvas.Pen = TPen{color};
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
  };
  auto box = [&line](TColour topLeft, TColour bottomRight, int l, int t, int r, int b) {
    line(topLeft, l, b - 1, l, t);
    line(topLeft, l, t, r, t);
    line(bottomRight, r - 1, t, r - 1, b - 1);
    line(bottomRight, r - 1, b - 1, l - 1, b - 1);
  };
  switch (shape_) {
    case TBevelShape::bsBox:
      return box(first, second, 0, 0, w, h);
    case TBevelShape::bsFrame:
      box(first, first, 0, 0, w - 1, h - 1);
      return box(second, second, 1, 1, w, h);
    case TBevelShape::bsTopLine:
      line(first, 0, 0, w, 0);
      return line(second, 0, 1, w, 1);
    case TBevelShape::bsBottomLine:
      line(first, 0, h - 2, w, h - 2);
      return line(second, 0, h - 1, w, h - 1);
    case TBevelShape::bsLeftLine:
      line(first, 0, 0, 0, h);
      return line(second, 1, 0, 1, h);
    case TBevelShape::bsRightLine:
      line(first, w - 2, 0, w - 2, h);
      return line(second, w - 1, 0, w - 1, h);
    case TBevelShape::bsSpacer:
      return;
  }
}

}  // namespace ui
