#include "ui/controls/status_bar.h"

#include <commctrl.h>

#include "text/gbk.h"
#include "ui/base/common_controls.h"

namespace ui {

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 200, 22); }

void TStatusBar::SetPanels(std::vector<TStatusPanel> panels) {
  panels_ = std::move(panels);
  if (HandleAllocated()) SendPanels(Handle());
}

void TStatusBar::SetPanelText(std::size_t index, std::string text) {
  if (index >= panels_.size()) return;
  panels_[index].Text = std::move(text);
  if (!HandleAllocated()) return;
  const std::wstring wide = text::GbkToWide(panels_[index].Text);
  SendMessageW(Handle(), SB_SETTEXTW, index, reinterpret_cast<LPARAM>(wide.c_str()));
}

void TStatusBar::SendPanels(HWND window) const {
  if (panels_.empty()) return;
  // The right edges of the panels; -1 runs the last to the bar's end.
  std::vector<int> edges;
  int right = 0;
  for (const TStatusPanel& panel : panels_) edges.push_back(right += panel.Width);
  if (!edges.empty()) edges.back() = -1;
  SendMessageW(window, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (std::size_t index = 0; index < panels_.size(); ++index) {
    const std::wstring wide = text::GbkToWide(panels_[index].Text);
    SendMessageW(window, SB_SETTEXTW, index, reinterpret_cast<LPARAM>(wide.c_str()));
  }
}

void TStatusBar::CreateParams(TCreateParams& params) {
  UseCommonControls(ICC_BAR_CLASSES);
  TWinControl::CreateParams(params);
  params.BaseClassName = STATUSCLASSNAMEW;
  if (sizeGrip_) params.Style |= SBARS_SIZEGRIP;
}

HWND TStatusBar::CreateWindowHandle(const TCreateParams& params) {
  HWND window = TWinControl::CreateWindowHandle(params);
  if (!window) return nullptr;
  SendPanels(window);
  // The bar lies along the bottom of the parent it has now.
  SendMessageW(window, WM_SIZE, 0, 0);
  return window;
}

}  // namespace ui
