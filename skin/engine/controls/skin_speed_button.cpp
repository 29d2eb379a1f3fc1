#include "skin/engine/controls/skin_speed_button.h"

#include "skin/component/skin_data.h"
#include "skin/engine/gdi/shared_work_bitmap.h"
#include "ui/controls/speed_button.h"
#include "ui/graphics/colour.h"

namespace skin {
namespace {

// The glyph image a frame shows: up for normal and mouse over, down when
// pressed, disabled when disabled.
int GlyphImageOf(int frame) {
  switch (frame) {
    case kButtonPressed:
      return 3;
    case kButtonDisabled:
      return 2;
    default:
      return 1;
  }
}

}  // namespace

void TSkinSpeedButton::AttachSpeedButton(ui::TControl& control, TSkinData& data, ui::TCanvas& canvas) {
  TSkinControl::AttachControl(control, data, false, canvas);
}

void TSkinSpeedButton::AttachControl(ui::TControl& control, TSkinData& data, bool, ui::TCanvas& canvas) {
  AttachSpeedButton(control, data, canvas);
}

bool TSkinSpeedButton::BeforeMessage(ui::TMessage& message) {
  if (!HasButtonPicture()) return true;
  switch (message.Msg) {
    case WM_PAINT:
      if (!message.WParam) return true;
      if (const ui::TControl* button = Control())
        PaintLook(reinterpret_cast<HDC>(message.WParam), button->ClientRect());
      message.Result = 1;
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      CallOldHandler(message);  // the button's own press logic
      SetMouseBit(kMousePressed, true);
      PaintSkin(nullptr);
      return false;
    default:
      return true;
  }
}

void TSkinSpeedButton::AfterMessage(ui::TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONUP:
      // The button clicks by itself.
      SetMouseBit(kMousePressed, false);
      PaintSkin(nullptr);
      return;
    case ui::CM_MOUSEENTER:
      MouseEntered();
      return;
    case ui::CM_MOUSELEAVE:
      MouseLeft();
      if (Control() && Control()->Visible()) PaintSkin(nullptr);
      return;
  }
  TSkinBitButton::AfterMessage(message);
}

void TSkinSpeedButton::PaintSkin(HDC dc) {
  auto* button = dynamic_cast<ui::TSpeedButton*>(Control());
  if (!button || !HasButtonPicture()) return;
  const HDC target = dc ? dc : button->Canvas().Handle();
  if (!target) {
    RepaintNow();
    return;
  }
  const RECT client = button->ClientRect();
  PaintLook(target, client);
}

void TSkinSpeedButton::PaintLook(HDC dc, const RECT& rect) {
  auto* button = dynamic_cast<ui::TSpeedButton*>(Control());
  if (!button) return;
  RefreshState();
  int frame = HasMouseBit(kMousePressed) ? kButtonPressed : HasMouseBit(kMouseOver) ? kButtonHot : kButtonNormal;
  if (!IsEnabled()) frame = kButtonDisabled;
  if (button->Down()) frame = kButtonPressed;
  int image = GlyphImageOf(frame);
  if (image > button->NumGlyphs()) image = 1;
  const bool hasGlyph = !button->Glyph().Empty();
  const HDC work = SharedWorkBitmap().CanvasOfAtLeast(rect.right - rect.left, rect.bottom - rect.top).Handle();
  ComposeFace(dc, rect, work, button->Font().Handle(), FrameCount(), frame, [&](HDC buffer, const RECT& face) {
    if (hasGlyph) {
      DrawGlyphAndCaption(buffer, face, button, Text(), image, true);
      return;
    }
    DrawCaption(buffer, face, DT_CENTER, IsEnabled(), Text());
  });
}

}  // namespace skin
