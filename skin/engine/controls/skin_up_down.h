#pragma once
// The skinner of an up-down control: its two arrow buttons are painted from
// the skin's up-down element (button backgrounds and arrow glyphs, four states
// for each direction), or as plain boxes with line arrows when the skin has
// none. The half under the mouse shows pressed or mouse over; a disabled
// control shows both halves disabled.

#include "skin/engine/controls/skin_control.h"

namespace skin {

class TSkinUpDown : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  std::string ClassName() const override { return "TSkinUpDown"; }

  // Set by the edit skinner that found the control inside its edit: the
  // buttons leave a 1-pixel margin for the edit's border.
  bool InEdit() const { return inEdit_; }
  void SetInEdit(bool inEdit) { inEdit_ = inEdit; }
  // Left and right arrows whatever the window style says.
  void SetHorizontalArrows(bool horizontal) { horizontalArrows_ = horizontal; }

 protected:
  bool BeforeMessage(ui::TMessage& message) override;
  void AfterMessage(ui::TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  // 1 normal, 2 pressed, 3 disabled, 4 mouse over.
  enum TState { kNormal = 1, kPressed = 2, kDisabled = 3, kHot = 4 };
  // The two buttons in client coordinates: up or left first.
  void Halves(RECT& first, RECT& second, bool& horizontal) const;
  // The half the cursor is over: 0 none, 1 first, 2 second.
  int HalfUnderCursor() const;
  void DrawHalf(HDC dc, const RECT& half, TState state, bool horizontal, int direction) const;
  void DrawPlainHalf(HDC dc, const RECT& half, TState state, bool horizontal, int direction) const;

  bool inEdit_ = false;
  bool horizontalArrows_ = false;
  int hotHalf_ = 0;
};

}  // namespace skin
