#include "ui/controls/shape.h"

#include <algorithm>

namespace ui {

TShape::TShape(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 65, 65); }

void TShape::SetShape(TShapeType shape) {
  shape_ = shape;
  Invalidate();
}

void TShape::SetBrush(TBrush brush) {
  brush_ = brush;
  Invalidate();
}

void TShape::SetPen(TPen pen) {
  pen_ = pen;
  Invalidate();
}

void TShape::Paint() {
  TCanvas& canvas = Canvas();
  canvas.Brush = brush_;
  canvas.Pen = pen_;
  // The pen's middle runs inside the control, so a wide outline stays whole.
  const int inset = pen_.Width / 2;
  const int width = Width() - pen_.Width + 1, height = Height() - pen_.Width + 1;
  const RECT figure{inset, inset, inset + width, inset + height};
  switch (shape_) {
    case TShapeType::stRectangle:
      return canvas.Rectangle(figure);
    case TShapeType::stRoundRect:
      return canvas.RoundRect(figure, std::min(width, height) / 4, std::min(width, height) / 4);
    case TShapeType::stEllipse:
      return canvas.Ellipse(figure);
  }
}

}  // namespace ui
