#pragma once
// A font by face name, character height in pixels, style and character set,
// with its colour. The GDI font is made on first use and remade after a change.

#include <windows.h>

#include <functional>
#include <string>

#include "ui/graphics/colour.h"

namespace ui {

using TFontStyles = unsigned;
inline constexpr TFontStyles fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8;

class TFont {
 public:
  TFont();
  ~TFont();
  TFont(const TFont&) = delete;
  TFont& operator=(const TFont&) = delete;

  // Copies face, height, style, character set and colour.
  void Assign(const TFont& other);
  void AssignLogFont(const LOGFONTW& logFont);

  const std::string& Name() const { return name_; }  // GBK
  void SetName(std::string name);
  int Height() const { return height_; }  // character height in pixels
  void SetHeight(int pixels);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);
  BYTE Charset() const { return charset_; }
  void SetCharset(BYTE charset);
  TColour Color() const { return color_; }
  void SetColor(TColour color);

  HFONT Handle() const;
  // Frees the GDI font until the next Handle(), for a font kept between
  // uses that should hold no GDI object meanwhile.
  void ReleaseHandle();

  // Called after every change; controls repaint with it.
  std::function<void()> OnChange;

 private:
  void Changed(bool handleStale);

  std::string name_;
  int height_;
  TFontStyles style_ = 0;
  BYTE charset_;
  TColour color_;
  mutable HFONT handle_ = nullptr;
};

// Gives the font the system's menu font as it is set now (face, height, style
// and character set; the font keeps them when the system does not answer).
void AssignMenuFont(TFont& font);

}  // namespace ui
