#include "ui/controls/check_box.h"

namespace ui {

TCheckBox::TCheckBox(TComponent* owner) : TButtonControl(owner, BS_3STATE) { SetBounds(0, 0, 97, 17); }

TCheckBoxState TCheckBox::State() const {
  switch (CheckState()) {
    case BST_CHECKED:
      return TCheckBoxState::cbChecked;
    case BST_INDETERMINATE:
      return TCheckBoxState::cbGrayed;
    default:
      return TCheckBoxState::cbUnchecked;
  }
}

void TCheckBox::SetState(TCheckBoxState state) {
  SetCheckState(state == TCheckBoxState::cbChecked  ? BST_CHECKED
                : state == TCheckBoxState::cbGrayed ? BST_INDETERMINATE
                                                    : BST_UNCHECKED);
}

void TCheckBox::Toggle() {
  switch (State()) {
    case TCheckBoxState::cbUnchecked:
      return SetState(TCheckBoxState::cbChecked);
    case TCheckBoxState::cbChecked:
      return SetState(allowGrayed_ ? TCheckBoxState::cbGrayed : TCheckBoxState::cbUnchecked);
    case TCheckBoxState::cbGrayed:
      return SetState(TCheckBoxState::cbUnchecked);
  }
}

}  // namespace ui
