#include "ui/controls/header_section.h"

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

namespace ui {

int HeaderSectionFormat(const THeaderSection& section) {
  static_assert(HDF_RIGHT == LVCFMT_RIGHT && HDF_CENTER == LVCFMT_CENTER && HDF_IMAGE == LVCFMT_IMAGE);
  int format = HDF_LEFT;
  if (section.Alignment == TAlignment::taRightJustify) format = HDF_RIGHT;
  if (section.Alignment == TAlignment::taCenter) format = HDF_CENTER;
  if (section.ImageIndex != kNoImageIndex) format |= HDF_IMAGE;
  return format;
}

}  // namespace ui
