#pragma once
// A shown borderless library form, its skin component and the frame skinner
// whose control walk attaches the control skinners: the fixture of the
// control skinners' tests, with real windows and messages under Wine.

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "skin/component/skin_data.h"
#include "skin/engine/frame/win_skin_form.h"
#include "ui/forms/form.h"

namespace skin {

class SkinnedFormTest : public testing::Test {
 protected:
  // A skin manager, a skin component without a skin yet and a form of
  // 320 x 200 at (200, 200), not shown.
  void SetUp() override;
  void TearDown() override;

  // Puts a control on the form.
  template <class TControlClass>
  TControlClass* Place(TControlClass* control, int left, int top, int width, int height) {
    control->SetParent(form.get());
    control->SetBounds(left, top, width, height);
    return control;
  }
  // Shows the form as the active window.
  void ShowForm();
  // Attaches the frame skinner as the manager does; its walk attaches the control skinners.
  void AttachFrameSkinner();
  // Puts the cursor on a point of the window and tells the window.
  void MoveOnto(HWND window, int x, int y);

  std::unique_ptr<TSkinData> data;
  std::unique_ptr<ui::TForm> form;
  std::unique_ptr<TWinSkinForm> skinner;
};

}  // namespace skin
