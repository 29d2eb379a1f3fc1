#pragma once
// The skinner of a panel or another container: it only recolours the control
// with the skin's button face (when asked to) and gives the colour back when
// detached. It paints nothing and changes no message; it listens only to hear
// that its control goes away.

#include "skin/engine/controls/skin_control.h"

namespace skin {

class TSkinBox : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  std::string ClassName() const override { return "TSkinBox"; }

  void AttachControl(ui::TControl& control, TSkinData& data, bool recolour, ui::TCanvas& canvas) override;

 protected:
  void AfterMessage(ui::TMessage& message) override;
};

}  // namespace skin
