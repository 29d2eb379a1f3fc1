#include "ui/base/component.h"

#include <windows.h>

#include <algorithm>

namespace ui {

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  BeginDestroy();
  while (!components_.empty()) delete components_.back();  // each removes itself
  if (owner_) owner_->RemoveComponent(this);
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  for (TComponent* component : components_) {
    const std::string& other = component->name_;
    if (other.size() == name.size() &&
        CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, other.data(), static_cast<int>(other.size()), name.data(),
                       static_cast<int>(name.size())) == CSTR_EQUAL)
      return component;
  }
  return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
  if (component->owner_) component->owner_->RemoveComponent(component);
  components_.push_back(component);
  component->owner_ = this;
  Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  auto found = std::find(components_.begin(), components_.end(), component);
  if (found == components_.end()) return;
  components_.erase(found);
  component->owner_ = nullptr;
  if (!destroying_) Notification(component, TOperation::opRemove);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  // A copy: a component may free others while it is told.
  const std::vector<TComponent*> owned = components_;
  for (TComponent* each : owned)
    if (each != component) each->Notification(component, operation);
}

}  // namespace ui
