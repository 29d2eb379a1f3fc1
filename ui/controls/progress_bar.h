#pragma once
// A progress bar (the comctl32 progress control): the program sets its
// position within the range.

#include "ui/controls/range_control.h"

namespace ui {

class TProgressBar : public TRangeControl {
 public:
  explicit TProgressBar(TComponent* owner);
  std::string ClassName() const override { return "TProgressBar"; }
};

}  // namespace ui
