#pragma once
// The base of check boxes and radio buttons: a system BUTTON window whose
// check state is kept until the window exists and is the window's own from
// then on, and whose text stands right of the box or, left-justified, left of
// it. The system reports a click; the control changes its state (Toggle) and
// then fires OnClick.

#include "ui/controls/win_control.h"

namespace ui {

class TButtonControl : public TWinControl {
 public:
  std::string ClassName() const override { return "TButtonControl"; }

  // taRightJustify: the text right of the box (the default); taLeftJustify: left of it.
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);

 protected:
  // `buttonStyle` is the system button type (BS_3STATE, BS_RADIOBUTTON).
  TButtonControl(TComponent* owner, DWORD buttonStyle);

  // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
  UINT CheckState() const;
  void SetCheckState(UINT state);
  // The user's click changes the state.
  virtual void Toggle() = 0;

  void CreateParams(TCreateParams& params) override;
  HWND CreateWindowHandle(const TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  bool ClicksOnMouseUp() const override { return false; }

 private:
  DWORD AlignmentStyle() const;

  DWORD buttonStyle_;
  UINT checkState_ = BST_UNCHECKED;
  TAlignment alignment_ = TAlignment::taRightJustify;
};

}  // namespace ui
