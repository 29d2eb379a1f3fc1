#pragma once
// An etched box, frame or rule on its parent, without a window.

#include "ui/controls/graphic_control.h"

namespace ui {

enum class TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum class TBevelStyle { bsLowered, bsRaised };

class TBevel : public TGraphicControl {
 public:
  explicit TBevel(TComponent* owner);
  std::string ClassName() const override { return "TBevel"; }

  TBevelShape Shape() const { return shape_; }
  void SetShape(TBevelShape shape);
  TBevelStyle Style() const { return style_; }
  void SetStyle(TBevelStyle style);

 protected:
  void Paint() override;

 private:
  TBevelShape shape_ = TBevelShape::bsBox;
  TBevelStyle style_ = TBevelStyle::bsLowered;
};

}  // namespace ui
