#include "skin/engine/gdi/icon_caption.h"

#include "text/gbk.h"
#include "ui/graphics/image_list.h"

namespace skin {
namespace {

// Captions are drawn upright, not bold, underlined or struck out, whatever
// the control's font: selects the same font in that plain style into the DC
// and returns it (the caller frees it after restoring the DC), or nullptr
// when the DC's font is plain already.
HFONT SelectPlainFont(HDC dc) {
  LOGFONTW font{};
  if (!GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof(font), &font)) return nullptr;
  if (font.lfWeight <= FW_NORMAL && !font.lfItalic && !font.lfUnderline && !font.lfStrikeOut) return nullptr;
  font.lfWeight = FW_NORMAL;
  font.lfItalic = font.lfUnderline = font.lfStrikeOut = FALSE;
  const HFONT plain = CreateFontIndirectW(&font);
  if (plain) SelectObject(dc, plain);
  return plain;
}

}  // namespace

void DrawIconCaption(HDC dc, const RECT& rect, TCaptionAlignment alignment, const std::string& text, int imageIndex,
                     HIMAGELIST images, bool enabled) {
  int iconWidth = 0, iconHeight = 0;
  const bool hasIcon = imageIndex != kNoImage && ui::ImageListIconSize(images, iconWidth, iconHeight);
  if (!hasIcon) iconWidth = iconHeight = 0;
  const int saved = SaveDC(dc);
  const HFONT plain = SelectPlainFont(dc);
  const std::wstring wide = text::GbkToWide(text);
  const int length = static_cast<int>(wide.size());
  constexpr UINT kLine = DT_SINGLELINE | DT_EXPANDTABS;
  RECT measured{};
  if (length > 0) DrawTextW(dc, wide.c_str(), length, &measured, kLine | DT_CALCRECT | DT_NOCLIP);
  const TIconCaptionPlaces places =
      PlaceIconCaption({rect.left, rect.top, rect.right, rect.bottom}, alignment, iconWidth, iconHeight,
                       measured.right - measured.left, measured.bottom - measured.top);
  // A caption wider than its item would spill over its neighbours.
  IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
  if (hasIcon) ui::DrawImageListImage(images, imageIndex, dc, places.IconLeft, places.IconTop);
  if (length > 0) {
    SetBkMode(dc, TRANSPARENT);
    if (!enabled) SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    RECT textRect{places.Text.Left, places.Text.Top, places.Text.Right, places.Text.Bottom};
    DrawTextW(dc, wide.c_str(), length, &textRect, kLine | DT_CENTER | DT_VCENTER);
  }
  RestoreDC(dc, saved);
  if (plain) DeleteObject(plain);
}

}  // namespace skin
