#pragma once
// TSkinCheckBox: a check box's box from the skin's CheckButton strip: frame 1
// unchecked, 2 checked, 3 unchecked and disabled, 4 checked and disabled, and
// 4 as well for the third (indeterminate) state, enabled or not.

#include "skin/engine/controls/skin_check_mark.h"

namespace skin {

class TSkinCheckBox : public TSkinCheckMark {
 public:
  using TSkinCheckMark::TSkinCheckMark;
  std::string ClassName() const override { return "TSkinCheckBox"; }

 protected:
  const TSkinBitmap& Strip() const override;
  int FrameCount() const override;
  int Frame(bool enabled) const override;
};

}  // namespace skin
