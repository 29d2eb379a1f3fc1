#pragma once
// The skinner of a track bar: the control draws its own channel and ticks,
// the skinner draws the thumb (its disabled frame when disabled) on the
// skin's face, through the control's custom-draw
// notifications as its parent passes them back (CN_NOTIFY) or forwards them.
// Without a thumb picture in the skin the thumb is a plain outlined box.

#include "skin/engine/controls/skin_control.h"

namespace skin {

class TSkinTrackBar : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  std::string ClassName() const override { return "TSkinTrackBar"; }
  void AttachControl(ui::TControl& control, TSkinData& data, bool recolour, ui::TCanvas& canvas) override;

 protected:
  bool BeforeMessage(ui::TMessage& message) override;

 private:
  // The answer to one custom-draw notification.
  void AnswerCustomDraw(ui::TMessage& message);
  void DrawThumb(HDC dc);
};

}  // namespace skin
