#include "ui/controls/speed_button.h"

#include <windowsx.h>

#include "ui/controls/win_control.h"

namespace ui {

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner), TButtonGlyph([this] { Invalidate(); }) {
  SetBounds(0, 0, 23, 22);
}

void TSpeedButton::SetDown(bool down) {
  if (down == down_) return;
  down_ = down;
  Invalidate();
  if (!down_ || groupIndex_ == 0 || !Parent()) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* sibling = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
    if (sibling && sibling != this && sibling->groupIndex_ == groupIndex_) sibling->SetDown(false);
  }
}

void TSpeedButton::Click() {
  if (groupIndex_ != 0) {
    if (!down_)
      SetDown(true);
    else if (allowAllUp_)
      SetDown(false);
  }
  TGraphicControl::Click();
}

void TSpeedButton::WndProc(TMessage& message) {
  const POINT at{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  const RECT client = ClientRect();
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      pressed_ = mouseOver_ = Enabled();
      Invalidate();
      break;
    case WM_MOUSEMOVE:
      if (pressed_ && mouseOver_ != static_cast<bool>(PtInRect(&client, at))) {
        mouseOver_ = !mouseOver_;
        Invalidate();
      }
      break;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      pressed_ = false;
      Invalidate();
      break;
  }
  TGraphicControl::WndProc(message);
}

void TSpeedButton::Paint() {
  TCanvas& canvas = Canvas();
  RECT face = ClientRect();
  const bool showDown = Pressed() || down_;
  DrawFrameControl(canvas.Handle(), &face, DFC_BUTTON, DFCS_BUTTONPUSH | (showDown ? DFCS_PUSHED : 0));
  if (showDown) OffsetRect(&face, 1, 1);
  const TButtonState state = !Enabled()  ? TButtonState::bsDisabled
                             : down_     ? TButtonState::bsExclusive
                             : Pressed() ? TButtonState::bsDown
                                         : TButtonState::bsUp;
  if (!Enabled()) canvas.Font.SetColor(clGrayText);
  DrawGlyphAndCaption(canvas, face, Caption(), state);
}

}  // namespace ui
