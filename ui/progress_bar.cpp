#include "ui/progress_bar.h"

#include <commctrl.h>

#include "ui/common_controls.h"

namespace ui {

TProgressBar::TProgressBar(TComponent* owner) : TRangeControl(owner) { SetBounds(0, 0, 150, 16); }

void TProgressBar::CreateParams(TCreateParams& params) {
  UseCommonControls(ICC_PROGRESS_CLASS);
  TRangeControl::CreateParams(params);
  params.BaseClassName = PROGRESS_CLASSW;
}

void TProgressBar::SendRange(HWND window, int min, int max) { SendMessageW(window, PBM_SETRANGE32, min, max); }

void TProgressBar::SendPosition(HWND window, int position) { SendMessageW(window, PBM_SETPOS, position, 0); }

int TProgressBar::QueryPosition(HWND window) const { return static_cast<int>(SendMessageW(window, PBM_GETPOS, 0, 0)); }

DWORD TProgressBar::OrientationStyle(TOrientation orientation) const {
  return orientation == TOrientation::Vertical ? PBS_VERTICAL : 0;
}

}  // namespace ui
