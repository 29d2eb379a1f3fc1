#include "ui/controls/group_box.h"

#include <algorithm>

#include "ui/graphics/canvas.h"
#include "ui/graphics/colour.h"

namespace ui {
namespace {

// The caption starts this far in from the frame's left end.
constexpr int kCaptionIndent = 8;

}  // namespace

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 185, 105);
  SetParentColor(true);
}

int TGroupBox::CaptionHeight() const {
  HDC screen = GetDC(nullptr);
  TCanvas canvas(screen);
  canvas.Font.Assign(Font());
  const int height = canvas.TextHeight("0");
  ReleaseDC(nullptr, screen);
  return height;
}

void TGroupBox::PaintWindow(HDC dc) {
  TCanvas canvas(dc);
  canvas.Font.Assign(Font());
  const int textHeight = canvas.TextHeight("0");
  // The frame's top edge runs through the middle of the caption.
  RECT frame = ClientRect();
  frame.top = textHeight / 2;
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  const std::string caption = Caption();
  if (caption.empty()) return;
  RECT text{kCaptionIndent, 0, kCaptionIndent, textHeight};
  canvas.DrawText(caption, text, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  text.right = std::min(text.right, static_cast<LONG>(Width() - kCaptionIndent));
  // The caption stands on the control's colour, breaking the frame's edge.
  canvas.Brush.Color = Color();
  if (!Enabled()) canvas.Font.SetColor(DimmedText(ColourToRgb(Font().Color()), ColourToRgb(Color())));
  canvas.DrawText(caption, text, DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

}  // namespace ui
