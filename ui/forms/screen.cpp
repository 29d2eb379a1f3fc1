#include "ui/forms/screen.h"

#include <algorithm>

#include "ui/forms/form.h"

namespace ui {

TScreen& Screen() {
  static TScreen screen;
  return screen;
}

TForm* TScreen::FindForm(HWND window) const {
  for (TForm* form : forms_)
    if (form->HandleAllocated() && form->Handle() == window) return form;
  return nullptr;
}

const TFont& TScreen::MenuFont() {
  AssignMenuFont(menuFont_);
  return menuFont_;
}

void TScreen::RemoveForm(TForm* form) { forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end()); }

}  // namespace ui
