#include "ui/track_bar.h"

#include <commctrl.h>

#include "ui/common_controls.h"

namespace ui {

TTrackBar::TTrackBar(TComponent* owner) : TRangeControl(owner) {
  SetBounds(0, 0, 150, 45);
  SetTabStop(true);
}

void TTrackBar::SetFrequency(int frequency) {
  frequency_ = frequency;
  if (HandleAllocated()) SendMessageW(Handle(), TBM_SETTICFREQ, frequency, 0);
}

void TTrackBar::CreateParams(TCreateParams& params) {
  UseCommonControls(ICC_BAR_CLASSES);
  TRangeControl::CreateParams(params);
  params.BaseClassName = TRACKBAR_CLASSW;
  params.Style |= TBS_AUTOTICKS;
}

HWND TTrackBar::CreateWindowHandle(const TCreateParams& params) {
  HWND window = TRangeControl::CreateWindowHandle(params);
  if (window) SendMessageW(window, TBM_SETTICFREQ, frequency_, 0);
  return window;
}

void TTrackBar::SendRange(HWND window, int min, int max) {
  SendMessageW(window, TBM_SETRANGEMIN, FALSE, min);
  SendMessageW(window, TBM_SETRANGEMAX, TRUE, max);
}

void TTrackBar::SendPosition(HWND window, int position) { SendMessageW(window, TBM_SETPOS, TRUE, position); }

int TTrackBar::QueryPosition(HWND window) const { return static_cast<int>(SendMessageW(window, TBM_GETPOS, 0, 0)); }

DWORD TTrackBar::OrientationStyle(TOrientation orientation) const {
  return orientation == TOrientation::Vertical ? TBS_VERT : TBS_HORZ;
}

}  // namespace ui
