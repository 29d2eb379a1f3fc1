#pragma once
// The control skinners of one frame skinner, in attach order. The list owns
// them: a skinner made by a skin component's OnSkinControl handler is taken
// over from its owner when it joins. It also knows the one skinner of the
// window that shows the mouse-over look (HotControl).

#include <windows.h>

#include <memory>
#include <vector>

#include "skin/engine/controls/skin_control.h"
#include "skin/engine/frame/form_skinner.h"

namespace skin {

class TControlSkinners {
 public:
  // `owner` is the frame skinner whose window the controls are on.
  explicit TControlSkinners(const TFormSkinner* owner = nullptr) : owner_(owner) {}
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
  bool OwnerDestroying() const { return owner_ && owner_->State() == TFormSkinnerState::Destroying; }

 private:
  void Join(TSkinControl& skinner) { skinner.JoinSkinners(this); }
  void Forget(const TSkinControl* skinner);

  std::vector<std::unique_ptr<TSkinControl>> skinners_;
  const TFormSkinner* owner_ = nullptr;
  TSkinControl* hot_ = nullptr;
};

}  // namespace skin
