#pragma once
// One column heading: of a header control's sections, or of a list view's
// columns in report style.

#include <string>

#include "ui/controls/control.h"

namespace ui {

// The image index of a heading without an image.
inline constexpr int kNoImageIndex = -1;

struct THeaderSection {
  std::string Text;  // GBK
  int Width = 50;
  TAlignment Alignment = TAlignment::taLeftJustify;
  // Into the control's image list.
  int ImageIndex = kNoImageIndex;
};

// The format bits a header item or a list-view column takes for the
// section's alignment and image (both controls share their values).
int HeaderSectionFormat(const THeaderSection& section);

}  // namespace ui
