#include "ui/controls/image.h"

namespace ui {

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 105, 105);
  picture_.OnChange = [this] { Invalidate(); };
}

void TImage::Paint() {
  if (!picture_.Empty()) Canvas().Draw(0, 0, picture_.Bitmap());
}

}  // namespace ui
