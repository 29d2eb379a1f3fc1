#include "skin/engine/controls/skin_button.h"

#include "skin/component/skin_data.h"
#include "skin/engine/gdi/skin_drawing.h"
#include "ui/controls/control.h"
#include "ui/graphics/colour.h"

namespace skin {
namespace {

// A push button always divides the strip into this many frames.
constexpr int kPushButtonFrames = 5;

}  // namespace

bool TSkinButton::BeforeMessage(ui::TMessage& message) {
  if (!HasButtonPicture()) return true;
  if (TakePaintMessages(message)) return false;
  const HWND window = WindowHandle();
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (GetFocus() != window) SetFocus(window);
      SetMouseBit(kMousePressed, true);
      PaintSkin(nullptr);
      return false;
    default:
      return true;
  }
}

void TSkinButton::AfterMessage(ui::TMessage& message) {
  if (IsMouseLeave(message)) {
    if (!IsEnabled()) return;
    MouseLeft();
    RepaintNow();
    return;
  }
  switch (message.Msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (message.WParam != VK_SPACE) break;
      SetMouseBit(kMousePressed, message.Msg == WM_KEYDOWN);
      RepaintNow();
      return;
    case WM_MOUSEMOVE:
      if (MouseMovedOver()) BecomeHot(false);
      return;
    case WM_LBUTTONUP:
      if (!HasMouseBit(kMousePressed)) return;
      SetMouseBit(kMousePressed, false);
      RepaintNow();
      Click();  // last: a click may free this skinner
      return;
    case BM_SETSTATE:
    case BM_SETSTYLE:
      // The system draws the button's new state straight on its window.
      RepaintNow();
      return;
    case ui::CM_MOUSEENTER:
      if (IsEnabled()) MouseEntered();
      return;
  }
  TSkinControl::AfterMessage(message);
}

void TSkinButton::Click() {
  if (ui::TControl* control = Control()) {
    control->Click();
    return;
  }
  const HWND window = WindowHandle();
  PostMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), BN_CLICKED),
               reinterpret_cast<LPARAM>(window));
}

void TSkinButton::DrawSkin(HDC dc, const RECT& rect) {
  if (!HasButtonPicture()) return;
  RefreshState();
  if (Text().empty() && Control()) SetText(Control()->Caption());
  int frame = HasMouseBit(kMousePressed)               ? kButtonPressed
              : IsFocused() || HasMouseBit(kMouseOver) ? kButtonHot
                                                       : kButtonNormal;
  if (!IsEnabled()) frame = kButtonDisabled;
  ComposeFace(dc, rect, OwnBuffer(dc, rect), WindowFont(), kPushButtonFrames, frame,
              [this](HDC buffer, const RECT& face) { DrawCaption(buffer, face, DT_CENTER, IsEnabled(), Text()); });
}

bool TSkinButton::HasButtonPicture() const { return SkinData() && !SkinData()->Skin().Buttons.Bitmap.Empty(); }

void TSkinButton::ComposeFace(HDC dc, const RECT& rect, HDC canvas, HFONT font, int frameCount, int frame,
                              const std::function<void(HDC buffer, const RECT& face)>& content) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0 || !canvas) return;
  const RECT face{0, 0, width, height};
  FillFace(canvas, face);
  const TDataSkinButton& element = SkinData()->Skin().Buttons;
  DrawNineSlice(canvas, face, element.Bitmap, false, element.Tile != 0, element.Trans == 1, frameCount, frame,
                ElementMargins(element));
  const HGDIOBJ oldFont = font ? SelectObject(canvas, font) : nullptr;
  SetTextColor(canvas, TextColour(frame));
  content(canvas, face);
  if (oldFont) SelectObject(canvas, oldFont);
  BitBlt(dc, rect.left, rect.top, width, height, canvas, 0, 0, SRCCOPY);
}

HDC TSkinButton::OwnBuffer(HDC dc, const RECT& rect) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return nullptr;
  if (buffer_.Empty() || buffer_.Width() != width || buffer_.Height() != height) buffer_.Create(dc, width, height);
  return buffer_.Dc();
}

HFONT TSkinButton::WindowFont() const {
  const HWND window = WindowHandle();
  return window ? reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)) : nullptr;
}

COLORREF TSkinButton::TextColour(int frame) const {
  const TSkinSettings& skin = SkinData()->Skin();
  switch (frame) {
    case kButtonNormal:
      return ui::ColourToRgb(skin.Buttons.NormalColour2);
    case kButtonHot:
      return ui::ColourToRgb(skin.Buttons.MouseOverColour2);
    case kButtonPressed:
      return ui::ColourToRgb(skin.Buttons.PressedColour2);
    case kButtonDisabled:
      return ui::DimmedText(ui::ColourToRgb(skin.Buttons.NormalColour2), FaceRgb());
    default:
      return ui::ColourToRgb(skin.ButtonTextColour);
  }
}

}  // namespace skin
