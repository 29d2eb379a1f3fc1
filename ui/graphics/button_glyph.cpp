#include "ui/graphics/button_glyph.h"

#include <algorithm>

namespace ui {

TGlyphPlacement PlaceGlyphAndCaption(SIZE face, SIZE glyph, SIZE text, TButtonLayout layout, int margin, int spacing) {
  const bool horizontal = layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
  TGlyphPlacement placement{};
  POINT& g = placement.Glyph;
  POINT t{};
  if (horizontal) {
    g.y = (face.cy - glyph.cy + 1) / 2;
    t.y = (face.cy - text.cy + 1) / 2;
  } else {
    g.x = (face.cx - glyph.cx + 1) / 2;
    t.x = (face.cx - text.cx + 1) / 2;
  }
  if (text.cx == 0 || glyph.cx == 0) spacing = 0;
  // Room along the layout's axis.
  const int room = horizontal ? face.cx : face.cy;
  const int glyphLength = horizontal ? glyph.cx : glyph.cy;
  const int textLength = horizontal ? text.cx : text.cy;
  if (margin == -1 && spacing == -1) {
    margin = (room - (glyphLength + textLength)) / 3;
    spacing = margin;
  } else if (margin == -1) {
    margin = (room - (glyphLength + spacing + textLength)) / 2;
  } else if (spacing == -1) {
    spacing = (room - margin - glyphLength - textLength) / 2;
  }
  switch (layout) {
    case TButtonLayout::blGlyphLeft:
      g.x = margin;
      t.x = g.x + glyph.cx + spacing;
      placement.TextFormat = DT_LEFT;
      break;
    case TButtonLayout::blGlyphRight:
      g.x = face.cx - margin - glyph.cx;
      t.x = g.x - spacing - text.cx;
      placement.TextFormat = DT_RIGHT;
      break;
    case TButtonLayout::blGlyphTop:
      g.y = margin;
      t.y = g.y + glyph.cy + spacing;
      placement.TextFormat = DT_CENTER;
      break;
    case TButtonLayout::blGlyphBottom:
      g.y = face.cy - margin - glyph.cy;
      t.y = g.y - spacing - text.cy;
      placement.TextFormat = DT_CENTER;
      break;
  }
  placement.Text = RECT{t.x, t.y, t.x + text.cx, t.y + text.cy};
  return placement;
}

void TButtonGlyph::SetNumGlyphs(int count) {
  numGlyphs_ = std::clamp(count, 1, 4);
  changed_();
}

void TButtonGlyph::SetLayout(TButtonLayout layout) {
  layout_ = layout;
  changed_();
}

void TButtonGlyph::SetMargin(int margin) {
  margin_ = margin;
  changed_();
}

void TButtonGlyph::SetSpacing(int spacing) {
  spacing_ = spacing;
  changed_();
}

SIZE TButtonGlyph::GlyphSize() const {
  if (bitmap_.Empty()) return SIZE{0, 0};
  return SIZE{bitmap_.Width() / numGlyphs_, bitmap_.Height()};
}

void TButtonGlyph::DrawGlyph(TCanvas& canvas, POINT at, TButtonState state) {
  const SIZE size = GlyphSize();
  if (size.cx == 0) return;
  int index = static_cast<int>(state);
  if (index >= numGlyphs_) index = 0;
  GdiTransparentBlt(canvas.Handle(), at.x, at.y, size.cx, size.cy, bitmap_.Canvas().Handle(), index * size.cx, 0,
                    size.cx, size.cy, ColourToRgb(bitmap_.TransparentColor()));
}

void TButtonGlyph::DrawGlyphAndCaption(TCanvas& canvas, const RECT& face, const std::string& caption,
                                       TButtonState state) {
  SIZE text{0, 0};
  if (!caption.empty()) {
    RECT measured{0, 0, face.right - face.left, face.bottom - face.top};
    canvas.DrawText(caption, measured, DT_CALCRECT | DT_SINGLELINE);
    text = SIZE{measured.right - measured.left, measured.bottom - measured.top};
  }
  const TGlyphPlacement placement = PlaceGlyphAndCaption(SIZE{face.right - face.left, face.bottom - face.top},
                                                         GlyphSize(), text, layout_, margin_, spacing_);
  DrawGlyph(canvas, POINT{face.left + placement.Glyph.x, face.top + placement.Glyph.y}, state);
  RECT textRect = placement.Text;
  OffsetRect(&textRect, face.left, face.top);
  canvas.Brush.Style = TBrushStyle::bsClear;
  canvas.DrawText(caption, textRect, placement.TextFormat | DT_SINGLELINE);
}

}  // namespace ui
