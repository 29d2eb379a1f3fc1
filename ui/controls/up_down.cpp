#include "ui/controls/up_down.h"

#include <commctrl.h>

namespace ui {
namespace {

constexpr TRangeWindowClass kUpDownClass{
    .BaseClassName = UPDOWN_CLASSW,
    .CommonControls = ICC_UPDOWN_CLASS,
    .Style = UDS_ARROWKEYS,
    .HorizontalStyle = UDS_HORZ,
    .VerticalStyle = 0,
    .SendRange = [](HWND window, int min, int max) { SendMessageW(window, UDM_SETRANGE32, min, max); },
    .SendPosition = [](HWND window, int position) { SendMessageW(window, UDM_SETPOS32, 0, position); },
    .QueryPosition = [](HWND window) { return static_cast<int>(SendMessageW(window, UDM_GETPOS32, 0, 0)); },
};

}  // namespace

TUpDown::TUpDown(TComponent* owner) : TRangeControl(owner, kUpDownClass) {
  SetBounds(0, 0, 17, 25);
  SetOrientation(TOrientation::Vertical);
}

}  // namespace ui
