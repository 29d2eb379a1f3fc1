#include "skin/engine/controls/skin_check_mark.h"

#include "skin/component/skin_data.h"
#include "skin/data/skin_bitmap.h"
#include "skin/engine/gdi/skin_drawing.h"
#include "text/gbk.h"
#include "ui/graphics/colour.h"

namespace skin {
namespace {

// A narrow box is centred in a column this wide at its edge.
constexpr int kBoxColumn = 14;

// Where a frame of width × height goes in `rect`, with the text left of the
// box (`leftText`) or right of it.
RECT BoxRect(const RECT& rect, int width, int height, bool leftText) {
  const int inset = (kBoxColumn - width) / 2;
  const bool narrow = width <= kBoxColumn;
  RECT box{};
  box.top = rect.top + (rect.bottom - rect.top - height) / 2;
  box.bottom = box.top + height;
  if (leftText) {
    box.right = narrow ? rect.right - inset : rect.right - 1;
    box.left = box.right - width;
  } else {
    box.left = narrow ? rect.left + inset : rect.left;
    box.right = box.left + width;
  }
  return box;
}

}  // namespace

LRESULT TSkinCheckMark::Ask(UINT msg) const { return SendMessageW(WindowHandle(), msg, 0, 0); }

void TSkinCheckMark::AfterMessage(ui::TMessage& message) {
  switch (message.Msg) {
    case BM_SETCHECK:
    case BM_SETSTATE:  // a press by the mouse or the space key
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_UPDATEUISTATE:  // the focus rectangle shown or hidden
      // The control has drawn its own box on the screen: ours goes back over it.
      RepaintNow();
      return;
  }
  TSkinControl::AfterMessage(message);
}

void TSkinCheckMark::DrawSkin(HDC dc, const RECT& rect) {
  const TSkinBitmap& strip = Strip();
  const int frameCount = FrameCount();
  if (strip.Empty() || frameCount <= 0) return;
  const int width = strip.Width() / frameCount, height = strip.Height();
  if (width <= 0 || height <= 0) return;
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(WindowHandle(), GWL_STYLE));
  const bool leftText = (style & BS_LEFTTEXT) != 0;
  const RECT box = BoxRect(rect, width, height, leftText);
  // The face covers the control's own box too, which a smaller frame would
  // leave showing around it: over the control's whole height, as the system
  // places its box by the text and may put it a pixel off the frame.
  const RECT column = BoxRect(rect, kBoxColumn, rect.bottom - rect.top, leftText);
  RECT cover{};
  UnionRect(&cover, &box, &column);
  FillFace(dc, cover);
  const bool enabled = (style & WS_DISABLED) == 0;
  DrawFrameCell(dc, box, strip, true, frameCount, Frame(enabled));
  // The system writes a disabled caption in its own grey, and a bare
  // window's in the system's text colour: either may vanish on the skin's
  // face, so the skin's text goes over them.
  if (!enabled || !Control()) DrawOwnCaption(dc, rect, cover, leftText, enabled);
}

void TSkinCheckMark::DrawOwnCaption(HDC dc, const RECT& rect, const RECT& box, bool leftText, bool enabled) {
  constexpr int kGap = 3;  // between the box and where the system starts the text
  RECT area = rect;
  if (leftText)
    area.right = box.left - 1;
  else
    area.left = box.right + 1;
  FillFace(dc, area);
  if (leftText)
    area.right -= kGap;
  else
    area.left += kGap;
  const auto font = reinterpret_cast<HFONT>(SendMessageW(WindowHandle(), WM_GETFONT, 0, 0));
  const HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
  SetTextColor(dc, ui::ColourToRgb(SkinData()->Skin().ButtonTextColour));
  DrawCaption(dc, area, leftText ? DT_RIGHT : DT_LEFT, enabled, Text());
  if (enabled && IsFocused() && !(SendMessageW(WindowHandle(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) {
    // Around the text where DrawCaption put it.
    RECT measured{};
    DrawTextW(dc, text::GbkToWide(Text()).c_str(), -1, &measured, DT_CALCRECT | DT_SINGLELINE);
    const int left = leftText ? area.right - measured.right : area.left;
    const int top = area.top + (area.bottom - area.top - measured.bottom) / 2 - 1;
    RECT focus{left - 1, top - 1, left + measured.right + 1, top + measured.bottom + 1};
    DrawFocusRect(dc, &focus);
  }
  if (oldFont) SelectObject(dc, oldFont);
}

}  // namespace skin
