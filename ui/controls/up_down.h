#pragma once
// An up-down control (the comctl32 up-down control): two arrow buttons that
// step the position. Upright by default; placed on an edit box it sits inside
// the edit's window.

#include "ui/controls/range_control.h"

namespace ui {

class TUpDown : public TRangeControl {
 public:
  explicit TUpDown(TComponent* owner);
  std::string ClassName() const override { return "TUpDown"; }
};

}  // namespace ui
