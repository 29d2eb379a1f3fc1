#pragma once
// The skinner of a progress bar: the whole control is painted from the skin's
// progress element, a track with the bar over it (style 0) or a track with a
// row of blocks (style 1). The filled part is the position's share of the
// upper limit (the lower limit is not used), from the left, or from the
// bottom for an upright bar. Without a progress picture the control paints
// itself.

#include "skin/data/skin_elements.h"
#include "skin/engine/controls/skin_control.h"

namespace skin {

class TSkinProgress : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  std::string ClassName() const override { return "TSkinProgress"; }

 protected:
  bool BeforeMessage(ui::TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  bool HasPicture() const;
  // How much of the bar's length (width, or height when upright) the
  // position covers.
  int FilledLength(int length) const;
  void DrawBlocks(HDC dc, const RECT& rect, const TDataSkinBorder& progress, int filled, bool vertical) const;
};

}  // namespace skin
