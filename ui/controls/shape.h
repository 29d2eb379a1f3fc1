#pragma once
// A filled and outlined figure on its parent, without a window.

#include "ui/controls/graphic_control.h"

namespace ui {

enum class TShapeType { stRectangle, stRoundRect, stEllipse };

class TShape : public TGraphicControl {
 public:
  explicit TShape(TComponent* owner);
  std::string ClassName() const override { return "TShape"; }

  TShapeType Shape() const { return shape_; }
  void SetShape(TShapeType shape);
  const TBrush& Brush() const { return brush_; }
  void SetBrush(TBrush brush);
  const TPen& Pen() const { return pen_; }
  void SetPen(TPen pen);

 protected:
  void Paint() override;

 private:
  TShapeType shape_ = TShapeType::stRectangle;
  TBrush brush_;
  TPen pen_;
};

}  // namespace ui
