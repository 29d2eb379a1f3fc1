#include "ui/controls/track_bar.h"

#include <commctrl.h>

namespace ui {
namespace {

constexpr TRangeWindowClass kTrackBarClass{
    .BaseClassName = TRACKBAR_CLASSW,
    .CommonControls = ICC_BAR_CLASSES,
    .Style = TBS_AUTOTICKS,
    .HorizontalStyle = TBS_HORZ,
    .VerticalStyle = TBS_VERT,
    .SendRange =
        [](HWND window, int min, int max) {
          SendMessageW(window, TBM_SETRANGEMIN, FALSE, min);
          SendMessageW(window, TBM_SETRANGEMAX, TRUE, max);
        },
    .SendPosition = [](HWND window, int position) { SendMessageW(window, TBM_SETPOS, TRUE, position); },
    .QueryPosition = [](HWND window) { return static_cast<int>(SendMessageW(window, TBM_GETPOS, 0, 0)); },
};

}  // namespace

TTrackBar::TTrackBar(TComponent* owner) : TRangeControl(owner, kTrackBarClass) {
  SetBounds(0, 0, 150, 45);
  SetTabStop(true);
}

void TTrackBar::SetFrequency(int frequency) {
  frequency_ = frequency;
  if (HandleAllocated()) SendMessageW(Handle(), TBM_SETTICFREQ, frequency, 0);
}

HWND TTrackBar::CreateWindowHandle(const TCreateParams& params) {
  HWND window = TRangeControl::CreateWindowHandle(params);
  if (window) SendMessageW(window, TBM_SETTICFREQ, frequency_, 0);
  return window;
}

}  // namespace ui
