#pragma once
// The control skinners of one frame skinner, in attach order. The list owns
// them: a skinner made by a skin component's OnSkinControl handler is taken
// over from its owner when it joins. It also knows the one skinner of the
// window that shows the mouse-over look (HotControl).

#include <windows.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "skin/engine/controls/skin_control.h"

namespace skin {

class TControlSkinners {
 public:
  // `ownerDestroying` tells whether the window the controls are on (that of
  // the frame skinner owning the list) is being destroyed; without it, never.
  explicit TControlSkinners(std::function<bool()> ownerDestroying = nullptr)
      : ownerDestroying_(std::move(ownerDestroying)) {}
  // Frees every skinner without detaching it (its window is going too).
  ~TControlSkinners() = default;
  TControlSkinners(const TControlSkinners&) = delete;
  TControlSkinners& operator=(const TControlSkinners&) = delete;

  void Add(std::unique_ptr<TSkinControl> skinner);
  // Takes over a skinner made elsewhere (not yet in the list); its owner no longer frees it.
  void Adopt(TSkinControl& skinner);
  bool Contains(const TSkinControl* skinner) const;
  // The skinner of that window, or nullptr.
  TSkinControl* FindByWindow(HWND window) const;
  // Detaches and frees the skinner of a windowless control that goes away.
  void FreeSkinnerOf(const ui::TControl* control);
  // Detaches and frees every skinner, the last first.
  void DetachAll();

  std::size_t Count() const { return skinners_.size(); }
  TSkinControl& operator[](std::size_t index) const { return *skinners_.at(index); }

  // The skinner showing the mouse-over look, or nullptr.
  TSkinControl* HotControl() const { return hot_; }
  void SetHotControl(TSkinControl* skinner) { hot_ = skinner; }
  // While the owner's window is being destroyed, detaching restores no colours.
  bool OwnerDestroying() const { return ownerDestroying_ && ownerDestroying_(); }

 private:
  void Join(TSkinControl& skinner) { skinner.JoinSkinners(this); }
  void Forget(const TSkinControl* skinner);

  std::vector<std::unique_ptr<TSkinControl>> skinners_;
  std::function<bool()> ownerDestroying_;
  TSkinControl* hot_ = nullptr;
};

}  // namespace skin
