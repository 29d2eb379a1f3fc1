#pragma once
// The gallery's page of lists and headers: a report list view whose columns
// have an icon and a right-aligned column, a header control standing alone
// and a disabled one.

namespace ui {
class TForm;
}

namespace skinview {

class TControlPages;

// Adds the page, its controls owned by `form`.
void AddListPage(ui::TForm& form, TControlPages& pages);

}  // namespace skinview
