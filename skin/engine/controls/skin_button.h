#pragma once
// TSkinButton: paints a push button from the skin's Buttons strip (frame 1
// normal, 2 pressed, 3 disabled, 4 mouse over or focused) with its caption
// centred on it. It takes the left-button press from the control (which so
// never shows its own pushed look), moves the focus to it and clicks on the
// release over it; the space key still reaches the control, which clicks by
// itself. A skin without a button picture leaves the button to draw itself.

#include <windows.h>

#include <functional>

#include "skin/engine/controls/skin_control.h"
#include "skin/engine/gdi/offscreen_bitmap.h"

namespace skin {

// The frames of the Buttons strip.
enum TButtonFrame : int {
  kButtonNormal = 1,
  kButtonPressed = 2,
  kButtonDisabled = 3,
  kButtonHot = 4,
};

class TSkinButton : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  std::string ClassName() const override { return "TSkinButton"; }

 protected:
  bool BeforeMessage(ui::TMessage& message) override;
  void AfterMessage(ui::TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

  // Whether the skin has a picture for buttons; without one every message
  // goes to the control as if it had no skinner.
  bool HasButtonPicture() const;
  // Composes a button face off-screen on `canvas` (a device context whose
  // bitmap is at least the rectangle's size) and copies it to `rect` of `dc`:
  // the skin's face colour, frame `frame` of `frameCount` frames of the
  // Buttons strip, then `content` on the face (0, 0 to the rectangle's size)
  // with `font` selected and the text colour of the frame.
  void ComposeFace(HDC dc, const RECT& rect, HDC canvas, HFONT font, int frameCount, int frame,
                   const std::function<void(HDC buffer, const RECT& face)>& content);
  // The window's font (WM_GETFONT), or nullptr.
  HFONT WindowFont() const;
  // The device context of the button's own off-screen bitmap, made at the
  // size of `rect` in the format of `dc`; nullptr for an empty rectangle or
  // when it cannot be made.
  HDC OwnBuffer(HDC dc, const RECT& rect);

 private:
  // The caption colour of a frame: the skin's colour for it, the system's
  // button shadow when disabled.
  COLORREF TextColour(int frame) const;
  // The control's click, or a WM_COMMAND to the parent of a bare window.
  void Click();

  TOffscreenBitmap buffer_;
};

}  // namespace skin
