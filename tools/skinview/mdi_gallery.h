#pragma once
// An MDI frame with three children and a menu to cascade, tile or maximise
// them: the frame skinner's MDI frame, client subclass and child frames.

namespace ui {
class TForm;
}

namespace skinview {

inline constexpr int kMdiChildCount = 3;

// Opens a new MDI frame owned by `owner` with its children; closing it frees it.
void OpenMdiGallery(ui::TForm* owner);

}  // namespace skinview
