#pragma once
// The common part of the check-box and radio-button skinners: the control
// draws itself (caption included), then the skinner paints the box or circle
// over the control's own from a strip of the skin's Buttons element, and does
// so again at once after every message with which the control draws its box
// straight on the screen (a new check state, a press, a release). A skin
// without the strip leaves the control as it draws itself.
//
// The box is the frame's size, centred in height. A frame narrower than 15
// pixels is centred in a 14-pixel column at the left edge (at the right edge
// when the text stands left of the box); a wider one stands flush left, or
// one pixel in from the right edge.

#include <windows.h>

#include "skin/engine/controls/skin_control.h"

namespace skin {

class TSkinBitmap;

class TSkinCheckMark : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  std::string ClassName() const override { return "TSkinCheckMark"; }

 protected:
  void AfterMessage(ui::TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

  // The strip and its number of frames.
  virtual const TSkinBitmap& Strip() const = 0;
  virtual int FrameCount() const = 0;
  // The frame (from 1) for the control's state now.
  virtual int Frame(bool enabled) const = 0;
  // The control's answer to a button message.
  LRESULT Ask(UINT msg) const;

 private:
  void DrawOwnCaption(HDC dc, const RECT& rect, const RECT& box, bool leftText, bool enabled);
};

}  // namespace skin
