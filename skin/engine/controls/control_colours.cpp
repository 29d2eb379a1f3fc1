#include "skin/engine/controls/control_colours.h"

#include "skin/data/skin_settings.h"
#include "ui/controls/control.h"

namespace skin {

void TControlColours::Wear(ui::TControl& control, const TSkinSettings& skin) {
  if (!saved_) {
    colour_ = control.Color();
    fontColour_ = control.Font().Color();
    parentColour_ = control.ParentColor();
    parentFont_ = control.ParentFont();
    saved_ = true;
  }
  control.SetColor(skin.ButtonFaceColour);
  control.Font().SetColor(skin.ButtonTextColour);
}

void TControlColours::Restore(ui::TControl& control) const {
  if (!saved_) return;
  control.SetColor(colour_);
  control.Font().SetColor(fontColour_);
  control.SetParentColor(parentColour_);
  control.SetParentFont(parentFont_);
}

}  // namespace skin
