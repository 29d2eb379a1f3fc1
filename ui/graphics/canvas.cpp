#include "ui/graphics/canvas.h"

#include "text/gbk.h"
#include "ui/graphics/bitmap.h"

namespace ui {

// Selects font, brush, pen and text colours for one drawing call and puts
// the previous ones back afterwards.
class TCanvas::TSelection {
 public:
  explicit TSelection(TCanvas& canvas) : dc_(canvas.dc_) {
    const TBrush& brush = canvas.Brush;
    const TPen& pen = canvas.Pen;
    brush_ = brush.Style == TBrushStyle::bsClear ? static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))
                                                 : CreateSolidBrush(ColourToRgb(brush.Color));
    ownBrush_ = brush.Style != TBrushStyle::bsClear;
    pen_ = pen.Style == TPenStyle::psClear ? static_cast<HPEN>(GetStockObject(NULL_PEN))
                                           : CreatePen(PS_SOLID, pen.Width, ColourToRgb(pen.Color));
    ownPen_ = pen.Style != TPenStyle::psClear;
    oldBrush_ = SelectObject(dc_, brush_);
    oldPen_ = SelectObject(dc_, pen_);
    oldFont_ = SelectObject(dc_, canvas.Font.Handle());
    oldTextColor_ = SetTextColor(dc_, ColourToRgb(canvas.Font.Color()));
    oldBkColor_ = SetBkColor(dc_, ColourToRgb(brush.Color));
    oldBkMode_ = SetBkMode(dc_, brush.Style == TBrushStyle::bsClear ? TRANSPARENT : OPAQUE);
  }
  ~TSelection() {
    SetBkMode(dc_, oldBkMode_);
    SetBkColor(dc_, oldBkColor_);
    SetTextColor(dc_, oldTextColor_);
    SelectObject(dc_, oldFont_);
    SelectObject(dc_, oldPen_);
    SelectObject(dc_, oldBrush_);
    if (ownBrush_) DeleteObject(brush_);
    if (ownPen_) DeleteObject(pen_);
  }
  TSelection(const TSelection&) = delete;
  TSelection& operator=(const TSelection&) = delete;

 private:
  HDC dc_;
  HBRUSH brush_;
  HPEN pen_;
  bool ownBrush_, ownPen_;
  HGDIOBJ oldBrush_, oldPen_, oldFont_;
  COLORREF oldTextColor_, oldBkColor_;
  int oldBkMode_;
};

void TCanvas::FillRect(const RECT& rect) {
  if (Brush.Style == TBrushStyle::bsClear) return;
  HBRUSH brush = CreateSolidBrush(ColourToRgb(Brush.Color));
  ::FillRect(dc_, &rect, brush);
  DeleteObject(brush);
}

void TCanvas::FrameRect(const RECT& rect) {
  HBRUSH brush = CreateSolidBrush(ColourToRgb(Brush.Color));
  ::FrameRect(dc_, &rect, brush);
  DeleteObject(brush);
}

void TCanvas::Rectangle(const RECT& rect) {
  TSelection selection(*this);
  ::Rectangle(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

void TCanvas::Ellipse(const RECT& rect) {
  TSelection selection(*this);
  ::Ellipse(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

void TCanvas::RoundRect(const RECT& rect, int cornerWidth, int cornerHeight) {
  TSelection selection(*this);
  ::RoundRect(dc_, rect.left, rect.top, rect.right, rect.bottom, cornerWidth, cornerHeight);
}

void TCanvas::MoveTo(int x, int y) { MoveToEx(dc_, x, y, nullptr); }

void TCanvas::LineTo(int x, int y) {
  TSelection selection(*this);
  ::LineTo(dc_, x, y);
}

SIZE TCanvas::TextExtent(std::string_view text) {
  TSelection selection(*this);
  const std::wstring wide = text::GbkToWide(text);
  SIZE size{};
  GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size);
  return size;
}

int TCanvas::DrawText(std::string_view text, RECT& rect, UINT format) {
  TSelection selection(*this);
  const std::wstring wide = text::GbkToWide(text);
  return ::DrawTextW(dc_, wide.c_str(), static_cast<int>(wide.size()), &rect, format);
}

void TCanvas::Draw(int x, int y, TBitmap& bitmap) {
  StretchDraw(RECT{x, y, x + bitmap.Width(), y + bitmap.Height()}, bitmap);
}

void TCanvas::StretchDraw(const RECT& rect, TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  HDC source = bitmap.Canvas().Handle();
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (bitmap.Transparent()) {
    // gdi32's own transparent copy: msimg32's TransparentBlt only forwards to
    // it, and importing msimg32 cost a library load at every start.
    GdiTransparentBlt(dc_, rect.left, rect.top, width, height, source, 0, 0, bitmap.Width(), bitmap.Height(),
                      ColourToRgb(bitmap.TransparentColor()));
  } else if (width == bitmap.Width() && height == bitmap.Height()) {
    BitBlt(dc_, rect.left, rect.top, width, height, source, 0, 0, SRCCOPY);
  } else {
    const int oldMode = SetStretchBltMode(dc_, COLORONCOLOR);
    StretchBlt(dc_, rect.left, rect.top, width, height, source, 0, 0, bitmap.Width(), bitmap.Height(), SRCCOPY);
    SetStretchBltMode(dc_, oldMode);
  }
}

}  // namespace ui
