#include "ui/graphics/font.h"

#include "text/gbk.h"

namespace ui {

TFont::TFont() : name_("\xCB\xCE\xCC\xE5"), height_(12), charset_(GB2312_CHARSET), color_(clWindowText) {}  // 宋体

TFont::~TFont() { ReleaseHandle(); }

void TFont::Assign(const TFont& other) {
  if (&other == this) return;
  name_ = other.name_;
  height_ = other.height_;
  style_ = other.style_;
  charset_ = other.charset_;
  color_ = other.color_;
  Changed(true);
}

void TFont::AssignLogFont(const LOGFONTW& logFont) {
  name_ = text::WideToGbk(logFont.lfFaceName);
  height_ = logFont.lfHeight < 0 ? -logFont.lfHeight : logFont.lfHeight;
  style_ = (logFont.lfWeight >= FW_BOLD ? fsBold : 0) | (logFont.lfItalic ? fsItalic : 0) |
           (logFont.lfUnderline ? fsUnderline : 0) | (logFont.lfStrikeOut ? fsStrikeOut : 0);
  charset_ = logFont.lfCharSet;
  Changed(true);
}

void TFont::SetName(std::string name) {
  name_ = std::move(name);
  Changed(true);
}

void TFont::SetHeight(int pixels) {
  height_ = pixels;
  Changed(true);
}

void TFont::SetStyle(TFontStyles style) {
  style_ = style;
  Changed(true);
}

void TFont::SetCharset(BYTE charset) {
  charset_ = charset;
  Changed(true);
}

void TFont::SetColor(TColour color) {
  color_ = color;
  Changed(false);
}

HFONT TFont::Handle() const {
  if (!handle_) {
    LOGFONTW lf{};
    lf.lfHeight = -height_;  // negative: the character height, not the cell height
    lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (style_ & fsItalic) != 0;
    lf.lfUnderline = (style_ & fsUnderline) != 0;
    lf.lfStrikeOut = (style_ & fsStrikeOut) != 0;
    lf.lfCharSet = charset_;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    const std::wstring face = text::GbkToWide(name_);
    lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    handle_ = CreateFontIndirectW(&lf);
  }
  return handle_;
}

void TFont::ReleaseHandle() {
  if (!handle_) return;
  DeleteObject(handle_);
  handle_ = nullptr;
}

void TFont::Changed(bool handleStale) {
  if (handleStale) ReleaseHandle();
  if (OnChange) OnChange();
}

void AssignMenuFont(TFont& font) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
    font.AssignLogFont(metrics.lfMenuFont);
}

}  // namespace ui
