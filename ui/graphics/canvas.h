#pragma once
// Drawing surface over a device context. Font, brush and pen are plain
// settings; each drawing call selects them for its own duration only, so a
// canvas never leaves GDI objects selected into a DC it does not own.

#include <windows.h>

#include <string_view>

#include "ui/graphics/colour.h"
#include "ui/graphics/font.h"

namespace ui {

class TBitmap;

enum class TBrushStyle { bsSolid, bsClear };
enum class TPenStyle { psSolid, psClear };

struct TBrush {
  TColour Color = clWhite;
  TBrushStyle Style = TBrushStyle::bsSolid;
};

struct TPen {
  TColour Color = clBlack;
  int Width = 1;
  TPenStyle Style = TPenStyle::psSolid;
};

class TCanvas {
 public:
  TCanvas() = default;
  explicit TCanvas(HDC dc) : dc_(dc) {}
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  HDC Handle() const { return dc_; }
  void SetHandle(HDC dc) { dc_ = dc; }

  TFont Font;
  TBrush Brush;
  TPen Pen;

  void FillRect(const RECT& rect);
  void FrameRect(const RECT& rect);
  // Outline with the pen, filled with the brush, as GDI's Rectangle.
  void Rectangle(const RECT& rect);
  void Ellipse(const RECT& rect);
  void RoundRect(const RECT& rect, int cornerWidth, int cornerHeight);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);

  // Texts are GBK. The background is the brush unless the brush is clear.
  SIZE TextExtent(std::string_view text);
  int TextWidth(std::string_view text) { return TextExtent(text).cx; }
  int TextHeight(std::string_view text) { return TextExtent(text).cy; }
  // DrawTextW with the canvas font; returns the text height.
  int DrawText(std::string_view text, RECT& rect, UINT format);

  // Copies the bitmap; a transparent bitmap leaves its transparent colour out.
  void Draw(int x, int y, TBitmap& bitmap);
  void StretchDraw(const RECT& rect, TBitmap& bitmap);

 private:
  class TSelection;
  HDC dc_ = nullptr;
};

}  // namespace ui
