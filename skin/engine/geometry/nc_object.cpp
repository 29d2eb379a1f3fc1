#include "skin/engine/geometry/nc_object.h"

namespace skin {

TNCObject::~TNCObject() {
  if (hotObject_ == this) hotObject_ = nullptr;
}

void TNCObject::Press() {
  if (hotObject_ && hotObject_ != this) hotObject_->Leave();
  if (!Visible) return;
  hotObject_ = this;
  ButtonState = TNCButtonState::Pressed;
  Paint();
}

void TNCObject::Release() {
  if (!Visible) return;
  ButtonState = TNCButtonState::Hot;
  Paint();
}

void TNCObject::Hover() {
  if (hotObject_ == this) return;
  if (hotObject_) hotObject_->Leave();
  if (!Visible) return;
  hotObject_ = this;
  ButtonState = TNCButtonState::Hot;
  Paint();
}

void TNCObject::Leave() {
  if (!Visible) return;
  hotObject_ = nullptr;
  ButtonState = TNCButtonState::Normal;
  Paint();
}

}  // namespace skin
