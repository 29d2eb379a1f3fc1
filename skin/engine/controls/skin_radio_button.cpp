#include "skin/engine/controls/skin_radio_button.h"

#include "skin/component/skin_data.h"

namespace skin {

const TSkinBitmap& TSkinRadioButton::Strip() const { return SkinData()->Skin().Buttons.RadioBitmap; }

int TSkinRadioButton::FrameCount() const { return SkinData()->Skin().Buttons.RadioFrameCount; }

int TSkinRadioButton::Frame(bool enabled) const {
  const int frame = (Ask(BM_GETCHECK) & BST_CHECKED) ? 2 : 1;
  return enabled ? frame : frame + 2;
}

}  // namespace skin
