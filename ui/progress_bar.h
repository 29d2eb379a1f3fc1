#pragma once
// A progress bar (the comctl32 progress control): the program sets its
// position within the range.

#include "ui/range_control.h"

namespace ui {

class TProgressBar : public TRangeControl {
 public:
  explicit TProgressBar(TComponent* owner);
  std::string ClassName() const override { return "TProgressBar"; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void SendRange(HWND window, int min, int max) override;
  void SendPosition(HWND window, int position) override;
  int QueryPosition(HWND window) const override;
  DWORD OrientationStyle(TOrientation orientation) const override;
};

}  // namespace ui
