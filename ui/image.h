#pragma once
// A picture on its parent, without a window. Without a picture it draws
// nothing but still takes the mouse.

#include "ui/graphic_control.h"
#include "ui/picture.h"

namespace ui {

class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* owner);
  std::string ClassName() const override { return "TImage"; }

  TPicture& Picture() { return picture_; }
  // Unscaled pictures stand at the top-left corner unless centred, clipped to the image.
  bool Stretch() const { return stretch_; }
  void SetStretch(bool on);
  bool Center() const { return center_; }
  void SetCenter(bool on);

 protected:
  void Paint() override;

 private:
  TPicture picture_;
  bool stretch_ = false;
  bool center_ = false;
};

}  // namespace ui
