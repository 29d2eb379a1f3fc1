#pragma once
// The skinner of an edit box (single-line or multi-line): after every paint
// of the edit, its sunken border is drawn over in the skin's colours, an outer
// line of the skin's button shadow and an inner white line. An up-down
// control found inside the edit gets an up-down skinner of its own. An edit
// without a border is left alone; the edit's colours are never changed.

#include "skin/engine/controls/skin_control.h"

namespace skin {

class TSkinUpDown;

class TSkinEdit : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  std::string ClassName() const override { return "TSkinEdit"; }

  // The skinner it gave the up-down control inside the edit, or nullptr.
  TSkinUpDown* UpDownSkinner() const { return upDownSkinner_; }

 protected:
  bool BeforeMessage(ui::TMessage& message) override;
  void AfterMessage(ui::TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  void SkinUpDownInside();
  // The border of a printed edit: the edit's own background inside, the
  // skin's button shadow outside.
  void PrintBorder(HDC dc);

  TSkinUpDown* upDownSkinner_ = nullptr;
};

}  // namespace skin
