#pragma once
// The gallery's pages of controls, one kind to a page (buttons, edit boxes,
// panels and labels), each control in every state its skinner draws.

namespace ui {
class TForm;
}

namespace skinview {

class TControlPages;

// Adds the pages, their controls owned by `form`.
void AddControlPages(ui::TForm& form, TControlPages& pages);

}  // namespace skinview
