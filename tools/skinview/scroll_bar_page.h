#pragma once
// The gallery's page of scroll bars: horizontal and vertical bars of their
// own, a disabled one, a memo with both scroll bars, and a status bar with a
// size grip.

namespace ui {
class TForm;
}

namespace skinview {

class TControlPages;

// Adds the page, its controls owned by `form`.
void AddScrollBarPage(ui::TForm& form, TControlPages& pages);

}  // namespace skinview
