#pragma once
// The skin's colours on a library control that shows the skin's face: the
// face as its colour and the skin's button text as its font colour, so that
// whatever the control and its children write stays readable on the face;
// what the control had comes back when the skin lets it go.

#include "colour/colour.h"

namespace ui {
class TControl;
}

namespace skin {

struct TSkinSettings;

class TControlColours {
 public:
  // Remembers the control's own colours the first time only.
  void Wear(ui::TControl& control, const TSkinSettings& skin);
  void Restore(ui::TControl& control) const;

 private:
  bool saved_ = false;
  TColour colour_ = 0, fontColour_ = 0;
  bool parentColour_ = false, parentFont_ = false;
};

}  // namespace skin
