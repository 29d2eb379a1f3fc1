#include "ui/controls/radio_button.h"

namespace ui {

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner, BS_RADIOBUTTON) { SetBounds(0, 0, 113, 17); }

void TRadioButton::SetChecked(bool checked) {
  SetCheckState(checked ? BST_CHECKED : BST_UNCHECKED);
  if (!checked || !Parent()) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i)
    if (auto* sibling = dynamic_cast<TRadioButton*>(Parent()->Controls(i));
        sibling && sibling != this && sibling->Checked())
      sibling->SetChecked(false);
}

}  // namespace ui
