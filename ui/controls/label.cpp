#include "ui/controls/label.h"

#include "ui/controls/win_control.h"
#include "ui/graphics/colour.h"

namespace ui {
namespace {

// An empty line still has a height.
std::string Measurable(std::string text) { return text.empty() ? " " : text; }

}  // namespace

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 65, 17);
  SetParentColor(true);
}

void TLabel::SetAutoSize(bool on) {
  autoSize_ = on;
  AdjustBounds();
}

void TLabel::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  Invalidate();
}

void TLabel::SetLayout(TTextLayout layout) {
  layout_ = layout;
  Invalidate();
}

void TLabel::SetTransparent(bool on) {
  transparent_ = on;
  Invalidate();
}

UINT TLabel::TextFormat() const {
  const UINT align = alignment_ == TAlignment::taCenter         ? DT_CENTER
                     : alignment_ == TAlignment::taRightJustify ? DT_RIGHT
                                                                : DT_LEFT;
  return align | DT_EXPANDTABS | DT_NOPREFIX | DT_SINGLELINE;
}

void TLabel::WndProc(TMessage& message) {
  TGraphicControl::WndProc(message);
  if (message.Msg == CM_TEXTCHANGED || message.Msg == CM_FONTCHANGED) AdjustBounds();
}

void TLabel::AdjustBounds() {
  if (!autoSize_) return;
  HDC screen = GetDC(nullptr);
  TCanvas canvas(screen);
  canvas.Font.Assign(Font());
  RECT measured{0, 0, 0, 0};
  canvas.DrawText(Measurable(Caption()), measured, TextFormat() | DT_CALCRECT);
  ReleaseDC(nullptr, screen);
  const int left = alignment_ == TAlignment::taRightJustify ? Left() + Width() - measured.right : Left();
  SetBounds(left, Top(), measured.right, measured.bottom);
}

void TLabel::Paint() {
  TCanvas& canvas = Canvas();
  const RECT client = ClientRect();
  if (!transparent_) canvas.FillRect(client);
  canvas.Brush.Style = TBrushStyle::bsClear;
  // Dimmed, yet readable on whatever colour the label stands on.
  if (!Enabled()) canvas.Font.SetColor(DimmedText(ColourToRgb(Font().Color()), ColourToRgb(Color())));
  RECT area = client;
  if (layout_ != TTextLayout::tlTop) {
    RECT measured = client;
    const int height = canvas.DrawText(Measurable(Caption()), measured, TextFormat() | DT_CALCRECT);
    area.top = layout_ == TTextLayout::tlBottom ? client.bottom - height : (client.bottom - height) / 2;
  }
  canvas.DrawText(Caption(), area, TextFormat());
}

}  // namespace ui
