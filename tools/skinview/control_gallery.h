#pragma once
// The gallery's pages of controls, one kind to a page in the Controls menu's
// alphabetical order, each control in every state its skinner draws.

namespace ui {
class TForm;
}

namespace skinview {

class TControlPages;

// Adds the pages, their controls owned by `form`.
void AddControlPages(ui::TForm& form, TControlPages& pages);

}  // namespace skinview
