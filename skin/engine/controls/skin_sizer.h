#pragma once
// The skinner of a bare window's scroll-bar control: a size box or size grip
// (SBS_SIZEBOX, SBS_SIZEGRIP) is painted as the skin's size grip in its
// bottom-right corner over the button face; a bar is skinned as any
// scroll-bar control. The system keeps sizing the window from the grip.

#include "skin/engine/controls/skin_scroll_bar.h"

namespace skin {

class TSkinSizer : public TSkinScrollBar {
 public:
  using TSkinScrollBar::TSkinScrollBar;
  std::string ClassName() const override { return "TSkinSizer"; }

  void PaintSkin(HDC dc) override;

 protected:
  bool TakesControlPaint() const override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  bool IsSizeBox() const;
  void PaintGrip(HDC dc);
};

}  // namespace skin
