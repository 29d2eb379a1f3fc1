#pragma once
// A text on its parent, without a window.

#include "ui/controls/graphic_control.h"

namespace ui {

enum class TTextLayout { tlTop, tlCenter, tlBottom };

class TLabel : public TGraphicControl {
 public:
  explicit TLabel(TComponent* owner);
  std::string ClassName() const override { return "TLabel"; }

  // While on, the label takes the size of its text (keeping its left edge,
  // or its right edge when right-justified).
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool on);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout layout);
  // A transparent label leaves what lies behind it showing around its text.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool on);

 protected:
  void WndProc(TMessage& message) override;
  void Paint() override;

 private:
  UINT TextFormat() const;
  void AdjustBounds();

  bool autoSize_ = true;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  TTextLayout layout_ = TTextLayout::tlTop;
  bool transparent_ = false;
};

}  // namespace ui
