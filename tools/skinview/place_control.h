#pragma once
// Making a control of the gallery in one line: owner, parent, bounds, caption.

#include <string>

#include "ui/controls/win_control.h"

namespace skinview {

template <class Control>
Control* PlaceControl(ui::TComponent* owner, ui::TWinControl* parent, int left, int top, int width, int height,
                      const std::string& caption = {}) {
  auto* control = new Control(owner);
  control->SetParent(parent);
  control->SetBounds(left, top, width, height);
  if (!caption.empty()) control->SetCaption(caption);
  return control;
}

}  // namespace skinview
