#pragma once
// The gallery's page of combo boxes: each style, disabled ones and ones with
// the scroll bar (and so the drop-down button) on the left.

namespace ui {
class TForm;
}

namespace skinview {

class TControlPages;

// Adds the page, its controls owned by `form`.
void AddComboBoxPage(ui::TForm& form, TControlPages& pages);

}  // namespace skinview
