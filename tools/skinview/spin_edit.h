#pragma once
// An edit box with an up-down control inside it (a child window of the edit,
// as a spin edit has), which counts the number in the edit from 0 to 100.
// The up-down is no library control: only the edit's skinner finds it.

#include <windows.h>

#include "ui/controls/edit.h"

namespace skinview {

class TSpinEdit : public ui::TEdit {
 public:
  using TEdit::TEdit;
  std::string ClassName() const override { return "TSpinEdit"; }

 protected:
  HWND CreateWindowHandle(const TCreateParams& params) override;
  void WndProc(ui::TMessage& message) override;

 private:
  HWND upDown_ = nullptr;
};

}  // namespace skinview
