#include "skin/engine/controls/skin_sizer.h"

#include "skin/component/skin_data.h"

namespace skin {

bool TSkinSizer::IsSizeBox() const {
  const HWND window = WindowHandle();
  return window && IsBarControl() && (GetWindowLongPtrW(window, GWL_STYLE) & (SBS_SIZEBOX | SBS_SIZEGRIP)) != 0;
}

bool TSkinSizer::TakesControlPaint() const {
  if (!IsSizeBox()) return TSkinScrollBar::TakesControlPaint();
  if (!SkinData()) return false;
  const std::optional<TDataSkinObject>& strip = SkinData()->Skin().Scrollbar;
  return strip && !strip->Bitmap.Empty();
}

void TSkinSizer::PaintSkin(HDC dc) {
  if (IsSizeBox())
    PaintGrip(dc);
  else
    TSkinScrollBar::PaintSkin(dc);
}

void TSkinSizer::DrawSkin(HDC dc, const RECT& rect) {
  if (IsSizeBox())
    PaintGrip(dc);
  else
    TSkinScrollBar::DrawSkin(dc, rect);
}

void TSkinSizer::PaintGrip(HDC dc) {
  const HWND window = WindowHandle();
  if (!SkinData()) return;
  const HDC target = dc ? dc : GetDC(window);
  if (!target) return;
  RECT client{};
  GetClientRect(window, &client);
  PaintSizeGrip(target, client, SkinData()->Skin());
  if (!dc) ReleaseDC(window, target);
}

}  // namespace skin
