#include "skin/engine/icon_caption.h"

#include "text/gbk.h"

namespace skin {

void DrawIconCaption(HDC dc, const RECT& rect, TCaptionAlignment alignment, const std::string& text, int imageIndex,
                     HIMAGELIST images, bool enabled) {
  int iconWidth = 0, iconHeight = 0;
  const bool hasIcon = images && imageIndex != kNoImage && ImageList_GetIconSize(images, &iconWidth, &iconHeight);
  if (!hasIcon) iconWidth = iconHeight = 0;
  const std::wstring wide = text::GbkToWide(text);
  const int length = static_cast<int>(wide.size());
  constexpr UINT kLine = DT_SINGLELINE | DT_EXPANDTABS;
  RECT measured{};
  if (length > 0) DrawTextW(dc, wide.c_str(), length, &measured, kLine | DT_CALCRECT | DT_NOCLIP);
  const TIconCaptionPlaces places =
      PlaceIconCaption({rect.left, rect.top, rect.right, rect.bottom}, alignment, iconWidth, iconHeight,
                       measured.right - measured.left, measured.bottom - measured.top);
  const int saved = SaveDC(dc);
  // A caption wider than its item would spill over its neighbours.
  IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
  if (hasIcon) ImageList_Draw(images, imageIndex, dc, places.IconLeft, places.IconTop, ILD_TRANSPARENT);
  if (length > 0) {
    SetBkMode(dc, TRANSPARENT);
    if (!enabled) SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    RECT textRect{places.Text.Left, places.Text.Top, places.Text.Right, places.Text.Bottom};
    DrawTextW(dc, wide.c_str(), length, &textRect, kLine | DT_CENTER | DT_VCENTER);
  }
  RestoreDC(dc, saved);
}

}  // namespace skin
