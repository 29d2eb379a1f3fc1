#pragma once
// A container window with optional raised or lowered bevels and a centred caption.

#include "ui/controls/win_control.h"

namespace ui {

enum class TBevelCut { bvNone, bvLowered, bvRaised };

class TPanel : public TWinControl {
 public:
  explicit TPanel(TComponent* owner);
  std::string ClassName() const override { return "TPanel"; }

  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut cut);
  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut cut);

 protected:
  void PaintWindow(HDC dc) override;

 private:
  TBevelCut bevelOuter_ = TBevelCut::bvRaised;
  TBevelCut bevelInner_ = TBevelCut::bvNone;
};

}  // namespace ui
