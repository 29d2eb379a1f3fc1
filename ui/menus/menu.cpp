#include "ui/menus/menu.h"

#include "ui/graphics/image_list.h"

namespace ui {

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(std::make_unique<TMenuItem>(nullptr)) {
  items_->menu_ = this;
}

TMenu::~TMenu() { BeginDestroy(); }

void TMenu::SetImages(TImageList* images) {
  images_ = images;
  items_->Changed();
}

void TMenu::SetOwnerDraw(bool ownerDraw) {
  ownerDraw_ = ownerDraw;
  items_->Changed();
}

void TMenu::SetBiDiMode(TBiDiMode mode) {
  biDiMode_ = mode;
  items_->Changed();
}

bool TMenu::IsRightToLeft() const {
  return biDiMode_ != TBiDiMode::bdLeftToRight && GetSystemMetrics(SM_MIDEASTENABLED) != 0;
}

void TMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == images_) SetImages(nullptr);
}

}  // namespace ui
