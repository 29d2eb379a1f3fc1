#pragma once
// A control without a window: its parent paints it in z-order (WM_PAINT with
// the device context in WParam, at the control's origin and clipped to it)
// and hands it the mouse messages over it, all through its WindowProc; when
// a press on it loses the mouse capture it gets WM_CAPTURECHANGED.

#include "ui/controls/control.h"
#include "ui/graphics/canvas.h"

namespace ui {

class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner);
  // Sends CM_RELEASE first, so chained handlers can let go.
  ~TGraphicControl() override;
  std::string ClassName() const override { return "TGraphicControl"; }

  // Draws on the parent's off-screen bitmap; has a device context only while painting.
  TCanvas& Canvas() { return canvas_; }

 protected:
  void WndProc(TMessage& message) override;
  virtual void Paint() {}

 private:
  TCanvas canvas_;
};

}  // namespace ui
