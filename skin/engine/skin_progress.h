#pragma once
// The skinner of a progress bar: the whole control is painted from the skin's
// progress element, a track with the bar over it (style 0) or a track with a
// row of blocks (style 1). The filled part is the position's share of the
// upper limit; the lower limit is not used. Without a progress picture the
// control paints itself.

#include "skin/engine/skin_control.h"

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
  // The width of `rect` the bar or blocks cover.
  int FilledWidth(const RECT& rect) const;
};

}  // namespace skin
