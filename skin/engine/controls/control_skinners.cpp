#include "skin/engine/controls/control_skinners.h"

#include <algorithm>

namespace skin {

void TControlSkinners::Add(std::unique_ptr<TSkinControl> skinner) {
  Join(*skinner);
  skinners_.push_back(std::move(skinner));
}

void TControlSkinners::Adopt(TSkinControl& skinner) {
  if (skinner.Owner()) skinner.Owner()->RemoveComponent(&skinner);
  Join(skinner);
  skinners_.emplace_back(&skinner);
}

void TControlSkinners::Forget(const TSkinControl* skinner) {
  if (hot_ == skinner) hot_ = nullptr;
}

bool TControlSkinners::Contains(const TSkinControl* skinner) const {
  return std::ranges::any_of(skinners_, [skinner](const auto& each) { return each.get() == skinner; });
}

TSkinControl* TControlSkinners::FindByWindow(HWND window) const {
  if (!window) return nullptr;
  const auto found =
      std::ranges::find_if(skinners_, [window](const auto& each) { return each->WindowHandle() == window; });
  return found == skinners_.end() ? nullptr : found->get();
}

void TControlSkinners::FreeSkinnerOf(const ui::TControl* control) {
  const auto found =
      std::ranges::find_if(skinners_, [control](const auto& each) { return each->GraphicControl() == control; });
  if (found == skinners_.end()) return;
  (*found)->Detach();
  Forget(found->get());
  skinners_.erase(found);
}

void TControlSkinners::DetachAll() {
  while (!skinners_.empty()) {
    skinners_.back()->Detach();
    Forget(skinners_.back().get());
    skinners_.pop_back();
  }
}

}  // namespace skin
