#include "ui/controls/bit_btn.h"

namespace ui {

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner), TButtonGlyph([this] { Invalidate(); }) {}

void TBitBtn::CreateParams(TCreateParams& params) {
  TButton::CreateParams(params);
  params.Style = (params.Style & ~BS_TYPEMASK) | BS_OWNERDRAW;
}

void TBitBtn::WndProc(TMessage& message) {
  if (message.Msg != CN_DRAWITEM) return TButton::WndProc(message);
  DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam));
  message.Result = TRUE;
}

void TBitBtn::DrawButton(const DRAWITEMSTRUCT& item) {
  const RECT bounds = item.rcItem;
  const bool pressed = item.itemState & ODS_SELECTED;
  const bool disabled = item.itemState & ODS_DISABLED;
  TBitmap buffer;  // composed off-screen, copied in one transfer
  buffer.SetSize(bounds.right - bounds.left, bounds.bottom - bounds.top);
  TCanvas& canvas = buffer.Canvas();
  RECT face{0, 0, buffer.Width(), buffer.Height()};
  DrawFrameControl(canvas.Handle(), &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  if (pressed) OffsetRect(&face, 1, 1);
  canvas.Font.Assign(Font());
  canvas.Font.SetColor(disabled ? clGrayText : clBtnText);
  const TButtonState state = disabled ? TButtonState::bsDisabled : pressed ? TButtonState::bsDown : TButtonState::bsUp;
  DrawGlyphAndCaption(canvas, face, Caption(), state);
  if (item.itemState & ODS_FOCUS) {
    RECT focus{3, 3, buffer.Width() - 3, buffer.Height() - 3};
    DrawFocusRect(canvas.Handle(), &focus);
  }
  BitBlt(item.hDC, bounds.left, bounds.top, buffer.Width(), buffer.Height(), canvas.Handle(), 0, 0, SRCCOPY);
}

}  // namespace ui
