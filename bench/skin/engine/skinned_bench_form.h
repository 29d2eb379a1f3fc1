#pragma once
// A borderless library form wearing the default skin, shown and attached by
// its frame skinner as in the program: what a control-paint benchmark puts
// its controls on. Controls made on Form() before Show() are skinned by the
// frame skinner's walk.

#include <windows.h>

#include <memory>

#include "skin/component/skin_data.h"
#include "skin/engine/frame/form_skinner_factory.h"
#include "skin/engine/skin_manage.h"
#include "skin/engine/win32/skin_messages.h"
#include "ui/forms/form.h"

namespace skinbench {

class TSkinnedBenchForm {
 public:
  TSkinnedBenchForm(int left, int top, int width, int height) {
    manager_ = &skin::CreateSkinManager();
    data_.SetSkinFile(RILVANTA_DEFAULT_SKIN);
    form_.SetBorderStyle(ui::TFormBorderStyle::bsNone);
    form_.SetBounds(left, top, width, height);
  }

  ui::TForm& Form() { return form_; }
  // Shows the form and, unless `skinned` is false, attaches its frame skinner.
  void Show(bool skinned = true) {
    form_.Show();
    if (!skinned) return;
    skinner_ = skin::CreateFormSkinner(form_.Handle(), &form_, data_, *manager_);
    SendMessageW(form_.Handle(), skin::SKM_ATTACHED, 0, skin::kAttachedTag);
  }
  bool Skinned() const { return skinner_ != nullptr && !data_.SkinEmpty(); }
  const skin::TSkinSettings& Skin() const { return data_.Skin(); }

 private:
  skin::TSkinManage* manager_;
  skin::TSkinData data_{nullptr, skin::ManagerRequests()};
  ui::TForm form_{nullptr};
  std::unique_ptr<skin::TFormSkinner> skinner_;
};

}  // namespace skinbench
