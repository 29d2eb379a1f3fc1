#pragma once
// TSkinRadioButton: a radio button's circle from the skin's RadioButton strip:
// frame 1 unchecked, 2 checked, 3 unchecked and disabled, 4 checked and disabled.

#include "skin/engine/controls/skin_check_mark.h"

namespace skin {

class TSkinRadioButton : public TSkinCheckMark {
 public:
  using TSkinCheckMark::TSkinCheckMark;
  std::string ClassName() const override { return "TSkinRadioButton"; }

 protected:
  const TSkinBitmap& Strip() const override;
  int FrameCount() const override;
  int Frame(bool enabled) const override;
};

}  // namespace skin
