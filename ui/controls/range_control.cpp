#include "ui/controls/range_control.h"

#include <algorithm>
#include <utility>

#include "ui/base/common_controls.h"

namespace ui {

TRangeControl::TRangeControl(TComponent* owner, const TRangeWindowClass& windowClass)
    : TWinControl(owner), windowClass_(windowClass) {}

void TRangeControl::SetRange(int min, int max) {
  if (min > max) std::swap(min, max);
  const int position = std::clamp(Position(), min, max);
  min_ = min;
  max_ = max;
  if (HandleAllocated()) windowClass_.SendRange(Handle(), min, max);
  SetPosition(position);
}

int TRangeControl::Position() const {
  if (!HandleAllocated()) return position_;
  return windowClass_.QueryPosition(const_cast<TRangeControl*>(this)->Handle());
}

void TRangeControl::SetPosition(int position) {
  position_ = std::clamp(position, min_, max_);
  if (HandleAllocated()) windowClass_.SendPosition(Handle(), position_);
}

DWORD TRangeControl::OrientationStyle(TOrientation orientation) const {
  return orientation == TOrientation::Vertical ? windowClass_.VerticalStyle : windowClass_.HorizontalStyle;
}

void TRangeControl::SetOrientation(TOrientation orientation) {
  orientation_ = orientation;
  if (!HandleAllocated()) return;
  const DWORD both = windowClass_.HorizontalStyle | windowClass_.VerticalStyle;
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE));
  SetWindowLongPtrW(Handle(), GWL_STYLE, (style & ~both) | OrientationStyle(orientation));
  Invalidate();
}

void TRangeControl::CreateParams(TCreateParams& params) {
  UseCommonControls(windowClass_.CommonControls);
  TWinControl::CreateParams(params);
  params.BaseClassName = windowClass_.BaseClassName;
  params.Style |= windowClass_.Style | OrientationStyle(orientation_);
}

HWND TRangeControl::CreateWindowHandle(const TCreateParams& params) {
  HWND window = TWinControl::CreateWindowHandle(params);
  if (window) {
    windowClass_.SendRange(window, min_, max_);
    windowClass_.SendPosition(window, position_);
  }
  return window;
}

void TRangeControl::WndProc(TMessage& message) {
  if (message.Msg != CN_HSCROLL && message.Msg != CN_VSCROLL) return TWinControl::WndProc(message);
  // Scroll notifications come in pairs and repeats (a step, then the end of
  // the move): only a new position is a change.
  const int position = Position();
  if (std::exchange(position_, position) != position && OnChange) OnChange(this);
}

}  // namespace ui
