#pragma once
// The skinner of a drop-down combo box (and of a date-time picker that drops
// a calendar): after the control has painted itself, its border and its
// drop-down button are drawn over from the skin's sunken edge, combo button
// and arrow glyph, in the frame of its state. The text area (the edit or the
// selected item) keeps the control's own drawing. The button is drawn where
// the control has it, from the mirrored picture when that is the left; the
// pointer over an editable box's edit counts as over the box. A
// skin without those pictures, or a simple combo box (no button), leaves the
// control as it draws itself.

#include "skin/engine/controls/skin_control.h"
#include "skin/engine/win32/window_subclass.h"

namespace skin {

class TSkinComBox : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  std::string ClassName() const override { return "TSkinComBox"; }

  // Frames of the state strips.
  enum TState { kNormal = 1, kPressed = 2, kDisabled = 3, kHot = 4 };

  void AttachControl(ui::TControl& control, TSkinData& data, bool recolour, ui::TCanvas& canvas) override;
  void AttachHandle(HWND window, TSkinData& data, ui::TCanvas& canvas) override;

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
  // The pointer over the edit of an editable combo box is over the combo
  // box: the edit's mouse messages reach only the edit.
  void WatchEdit();

  TWindowSubclass editSubclass_;
};

}  // namespace skin
