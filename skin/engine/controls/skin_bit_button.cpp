#include "skin/engine/controls/skin_bit_button.h"

#include <algorithm>

#include "skin/component/skin_data.h"
#include "text/gbk.h"
#include "ui/controls/control.h"
#include "ui/graphics/button_glyph.h"

namespace skin {
namespace {

// Moves glyph and caption one pixel away from the side the glyph is on.
void MoveFromGlyphSide(ui::TGlyphPlacement& placement, ui::TButtonLayout layout) {
  POINT step{};
  switch (layout) {
    case ui::TButtonLayout::blGlyphLeft:
      step.x = 1;
      break;
    case ui::TButtonLayout::blGlyphRight:
      step.x = -1;
      break;
    case ui::TButtonLayout::blGlyphTop:
      step.y = 1;
      break;
    case ui::TButtonLayout::blGlyphBottom:
      step.y = -1;
      break;
  }
  placement.Glyph.x += step.x;
  placement.Glyph.y += step.y;
  OffsetRect(&placement.Text, step.x, step.y);
}

}  // namespace

void TSkinBitButton::DrawSkin(HDC dc, const RECT& rect) {
  if (!HasButtonPicture()) return;
  RefreshState();
  if (Text().empty() && Control()) SetText(Control()->Caption());
  int frame = IsFocused() ? kButtonHot : kButtonNormal;
  if (HasMouseBit(kMousePressed))
    frame = kButtonPressed;
  else if (HasMouseBit(kMouseOver))
    frame = kButtonHot;
  if (!IsEnabled()) frame = kButtonDisabled;
  auto* glyph = dynamic_cast<ui::TButtonGlyph*>(Control());
  ComposeFace(dc, rect, OwnBuffer(dc, rect), WindowFont(), FrameCount(), frame,
              [&](HDC buffer, const RECT& face) { DrawGlyphAndCaption(buffer, face, glyph, Text(), 1, false); });
}

int TSkinBitButton::FrameCount() const { return std::max(1, SkinData()->Skin().Buttons.FrameCount); }

void TSkinBitButton::DrawGlyphAndCaption(HDC dc, const RECT& face, ui::TButtonGlyph* glyph, const std::string& caption,
                                         int image, bool speedMargin) {
  const std::wstring text = text::GbkToWide(caption);
  const int length = static_cast<int>(text.size());
  SIZE textSize{0, 0};
  if (length > 0) {
    RECT measured = face;
    DrawTextW(dc, text.c_str(), length, &measured, DT_CALCRECT);
    textSize = SIZE{measured.right - measured.left, measured.bottom - measured.top};
  }
  ui::TBitmap* picture = glyph && !glyph->Glyph().Empty() ? &glyph->Glyph() : nullptr;
  const int images = glyph ? glyph->NumGlyphs() : 1;
  const SIZE glyphSize = picture ? SIZE{picture->Width() / images, picture->Height()} : SIZE{0, 0};
  const ui::TButtonLayout layout = glyph ? glyph->Layout() : ui::TButtonLayout::blGlyphLeft;
  const int margin = glyph ? glyph->Margin() : -1;
  const int spacing = glyph ? glyph->Spacing() : 0;
  ui::TGlyphPlacement placement = ui::PlaceGlyphAndCaption(SIZE{face.right - face.left, face.bottom - face.top},
                                                           glyphSize, textSize, layout, margin, spacing);
  // The spacing the layout used: none unless there are both glyph and caption.
  const int usedSpacing = textSize.cx == 0 || glyphSize.cx == 0 ? 0 : spacing;
  if (speedMargin && margin == -1 && usedSpacing != -1) MoveFromGlyphSide(placement, layout);

  if (picture && glyphSize.cx > 0)
    glyphImage_.Draw(dc, POINT{face.left + placement.Glyph.x, face.top + placement.Glyph.y}, *picture,
                     (std::clamp(image, 1, images) - 1) * glyphSize.cx, glyphSize);
  SetBkMode(dc, TRANSPARENT);
  RECT textRect = placement.Text;
  OffsetRect(&textRect, face.left, face.top);
  DrawTextW(dc, text.c_str(), length, &textRect, placement.TextFormat);
}

}  // namespace skin
