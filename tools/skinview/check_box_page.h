#pragma once
// The gallery's page of check boxes and radio buttons: each check state,
// enabled and disabled, text left of the box, a radio group, a check group and
// plain group boxes.

namespace ui {
class TForm;
}

namespace skinview {

class TControlPages;

// Adds the page, its controls owned by `form`.
void AddCheckBoxPage(ui::TForm& form, TControlPages& pages);

}  // namespace skinview
