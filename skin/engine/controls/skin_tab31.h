#pragma once
// The skinner of a library tab set (the row of tabs below a page): the whole
// control is painted from the skin's tab picture turned upside down, as the
// tabs hang from the page's edge, the selected tab in the picture's second
// state. The tabs stand where the tab set puts them. Without a tab picture
// the tab set paints itself.

#include "skin/data/skin_bitmap.h"
#include "skin/engine/controls/skin_control.h"

namespace skin {

class TSkinTab31 : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  std::string ClassName() const override { return "TSkinTab31"; }

  void AttachControl(ui::TControl& control, TSkinData& data, bool recolour, ui::TCanvas& canvas) override;
  void UpdateSkin() override;

 protected:
  bool BeforeMessage(ui::TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  void PrepareTabSetImage();

  TSkinBitmap tabImage_;
};

}  // namespace skin
