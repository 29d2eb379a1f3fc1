#include "skin/engine/controls/skin_check_box.h"

#include "skin/component/skin_data.h"

namespace skin {
namespace {

constexpr int kIndeterminateFrame = 4;

}  // namespace

const TSkinBitmap& TSkinCheckBox::Strip() const { return SkinData()->Skin().Buttons.CheckBitmap; }

int TSkinCheckBox::FrameCount() const { return SkinData()->Skin().Buttons.CheckFrameCount; }

int TSkinCheckBox::Frame(bool enabled) const {
  const LRESULT state = Ask(BM_GETSTATE);
  if (state & BST_INDETERMINATE) return kIndeterminateFrame;
  const int frame = (state & BST_CHECKED) ? 2 : 1;
  return enabled ? frame : frame + 2;
}

}  // namespace skin
