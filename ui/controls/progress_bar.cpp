#include "ui/controls/progress_bar.h"

#include <commctrl.h>

namespace ui {
namespace {

constexpr TRangeWindowClass kProgressClass{
    .BaseClassName = PROGRESS_CLASSW,
    .CommonControls = ICC_PROGRESS_CLASS,
    .Style = 0,
    .HorizontalStyle = 0,
    .VerticalStyle = PBS_VERTICAL,
    .SendRange = [](HWND window, int min, int max) { SendMessageW(window, PBM_SETRANGE32, min, max); },
    .SendPosition = [](HWND window, int position) { SendMessageW(window, PBM_SETPOS, position, 0); },
    .QueryPosition = [](HWND window) { return static_cast<int>(SendMessageW(window, PBM_GETPOS, 0, 0)); },
};

}  // namespace

TProgressBar::TProgressBar(TComponent* owner) : TRangeControl(owner, kProgressClass) { SetBounds(0, 0, 150, 16); }

}  // namespace ui
