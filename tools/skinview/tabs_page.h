#pragma once
// The gallery's page of tabs: tab controls with their tabs on each side, a
// page control with pages, tab sets, and a disabled tab control and tab set.

namespace ui {
class TForm;
}

namespace skinview {

class TControlPages;

// Adds the page, its controls owned by `form`.
void AddTabsPage(ui::TForm& form, TControlPages& pages);

}  // namespace skinview
