#pragma once
// A container with an etched frame and its caption in the frame's top edge,
// painted by the library.

#include "ui/controls/win_control.h"

namespace ui {

class TGroupBox : public TWinControl {
 public:
  explicit TGroupBox(TComponent* owner);
  std::string ClassName() const override { return "TGroupBox"; }

 protected:
  void PaintWindow(HDC dc) override;
  // The height of the caption's line in the control's font.
  int CaptionHeight() const;
};

}  // namespace ui
