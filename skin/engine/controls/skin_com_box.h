#pragma once
// The skinner of a drop-down combo box (and of a date-time picker that drops
// a calendar): after the control has painted itself, its border and its
// drop-down button are drawn over from the skin's sunken edge, combo button
// and arrow glyph, in the frame of its state. The text area (the edit or the
// selected item) keeps the control's own drawing. With the scroll bar on the
// left the button goes on the left, from the button's mirrored picture. A
// skin without those pictures, or a simple combo box (no button), leaves the
// control as it draws itself.

#include "skin/engine/controls/skin_control.h"

namespace skin {

class TSkinComBox : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  std::string ClassName() const override { return "TSkinComBox"; }

  // Frames of the state strips.
  enum TState { kNormal = 1, kPressed = 2, kDisabled = 3, kHot = 4 };

 protected:
  void AfterMessage(ui::TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  // From the window's style, its list and the focus, read at every drawing.
  TState State(bool enabled) const;
  bool IsDropped() const;
  bool IsSimpleComboBox(DWORD style) const;
  bool WindowEnabled() const;
  // The mouse-over look follows the pointer while the control is enabled.
  void SetMouseOver(bool over);
  // The picture of skins whose combo button has style 1: plain frames in the
  // DC's brush and the button's face stretched, without a sunken edge.
  void DrawPlain(HDC dc, const RECT& rect, TState state, bool buttonOnLeft) const;
};

}  // namespace skin
