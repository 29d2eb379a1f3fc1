#pragma once
// A page of a page control: a container shown while its tab is selected. Its
// caption is its tab's caption.

#include "ui/controls/win_control.h"

namespace ui {

class TPageControl;

class TTabSheet : public TWinControl {
 public:
  explicit TTabSheet(TComponent* owner);
  ~TTabSheet() override;
  std::string ClassName() const override { return "TTabSheet"; }

  TPageControl* PageControl() const { return pageControl_; }
  // Puts the sheet last in the page control (nullptr takes it out).
  void SetPageControl(TPageControl* pageControl);

 protected:
  void WndProc(TMessage& message) override;

 private:
  TPageControl* pageControl_ = nullptr;

  friend class TPageControl;
};

}  // namespace ui
