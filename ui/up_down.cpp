#include "ui/up_down.h"

#include <commctrl.h>

#include "ui/common_controls.h"

namespace ui {

TUpDown::TUpDown(TComponent* owner) : TRangeControl(owner) {
  SetBounds(0, 0, 17, 25);
  SetOrientation(TOrientation::Vertical);
}

void TUpDown::CreateParams(TCreateParams& params) {
  UseCommonControls(ICC_UPDOWN_CLASS);
  TRangeControl::CreateParams(params);
  params.BaseClassName = UPDOWN_CLASSW;
  params.Style |= UDS_ARROWKEYS;
}

void TUpDown::SendRange(HWND window, int min, int max) { SendMessageW(window, UDM_SETRANGE32, min, max); }

void TUpDown::SendPosition(HWND window, int position) { SendMessageW(window, UDM_SETPOS32, 0, position); }

int TUpDown::QueryPosition(HWND window) const { return static_cast<int>(SendMessageW(window, UDM_GETPOS32, 0, 0)); }

DWORD TUpDown::OrientationStyle(TOrientation orientation) const {
  return orientation == TOrientation::Horizontal ? UDS_HORZ : 0;
}

}  // namespace ui
