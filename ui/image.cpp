#include "ui/image.h"

namespace ui {

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 105, 105);
  picture_.OnChange = [this] { Invalidate(); };
}

void TImage::SetStretch(bool on) {
  stretch_ = on;
  Invalidate();
}

void TImage::SetCenter(bool on) {
  center_ = on;
  Invalidate();
}

void TImage::Paint() {
  if (picture_.Empty()) return;
  RECT target{0, 0, picture_.Width(), picture_.Height()};
  if (stretch_)
    target = ClientRect();
  else if (center_)
    OffsetRect(&target, (Width() - picture_.Width()) / 2, (Height() - picture_.Height()) / 2);
  Canvas().StretchDraw(target, picture_.Bitmap());
}

}  // namespace ui
