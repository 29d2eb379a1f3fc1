#pragma once
// The gallery's client area: the widget library's controls, grouped by kind
// (buttons, edit boxes, panels and bevels, labels and shapes), so that each
// kind of control skinner can be seen at work on every state it draws.

namespace ui {
class TForm;
}

namespace skinview {

void BuildControlGallery(ui::TForm& form);

}  // namespace skinview
