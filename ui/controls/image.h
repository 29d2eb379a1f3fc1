#pragma once
// A picture on its parent, without a window, drawn unscaled from the top-left
// corner and clipped. Without a picture it draws nothing but still takes the mouse.

#include "ui/controls/graphic_control.h"
#include "ui/graphics/picture.h"

namespace ui {

class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* owner);
  std::string ClassName() const override { return "TImage"; }

  TPicture& Picture() { return picture_; }

 protected:
  void Paint() override;

 private:
  TPicture picture_;
};

}  // namespace ui
