#pragma once
// A track bar (the comctl32 trackbar control): a thumb the user slides along a
// channel with tick marks.

#include "ui/controls/range_control.h"

namespace ui {

class TTrackBar : public TRangeControl {
 public:
  explicit TTrackBar(TComponent* owner);
  std::string ClassName() const override { return "TTrackBar"; }

  // A tick mark every this many positions.
  int Frequency() const { return frequency_; }
  void SetFrequency(int frequency);

 protected:
  HWND CreateWindowHandle(const TCreateParams& params) override;

 private:
  int frequency_ = 1;
};

}  // namespace ui
