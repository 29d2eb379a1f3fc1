#pragma once
// A status bar (the comctl32 status window) along the bottom of its parent:
// a row of panels of given widths, each with a line of text, and a size grip
// in the right corner that sizes the window.

#include <string>
#include <vector>

#include "ui/controls/win_control.h"

namespace ui {

struct TStatusPanel {
  std::string Text;  // GBK
  // Pixels; the last panel takes what is left.
  int Width = 50;
};

class TStatusBar : public TWinControl {
 public:
  explicit TStatusBar(TComponent* owner);
  std::string ClassName() const override { return "TStatusBar"; }

  const std::vector<TStatusPanel>& Panels() const { return panels_; }
  void SetPanels(std::vector<TStatusPanel> panels);
  // Changes one panel's text; an index past the panels does nothing.
  void SetPanelText(std::size_t index, std::string text);
  // Sets the window style, so it takes effect when the window is made.
  bool SizeGrip() const { return sizeGrip_; }
  void SetSizeGrip(bool sizeGrip) { sizeGrip_ = sizeGrip; }

 protected:
  void CreateParams(TCreateParams& params) override;
  HWND CreateWindowHandle(const TCreateParams& params) override;

 private:
  void SendPanels(HWND window) const;

  std::vector<TStatusPanel> panels_;
  bool sizeGrip_ = true;
};

}  // namespace ui
