#include "ui/controls/scroll_bar.h"

#include <algorithm>

namespace ui {
namespace {

SCROLLINFO ReadScrollInfo(HWND window) {
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_ALL;
  GetScrollInfo(window, SB_CTL, &info);
  return info;
}

constexpr TRangeWindowClass kScrollBarClass{
    .BaseClassName = L"SCROLLBAR",
    .CommonControls = 0,
    .Style = 0,
    .HorizontalStyle = SBS_HORZ,
    .VerticalStyle = SBS_VERT,
    .SendRange = [](HWND window, int min, int max) { SetScrollRange(window, SB_CTL, min, max, TRUE); },
    .SendPosition = [](HWND window, int position) { SetScrollPos(window, SB_CTL, position, TRUE); },
    .QueryPosition = [](HWND window) { return GetScrollPos(window, SB_CTL); },
};

}  // namespace

TScrollBar::TScrollBar(TComponent* owner) : TRangeControl(owner, kScrollBarClass) {
  SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
  SetTabStop(true);
}

void TScrollBar::SetPageSize(int pageSize) {
  pageSize_ = std::max(pageSize, 0);
  if (HandleAllocated()) SendPageSize(Handle());
}

void TScrollBar::SendPageSize(HWND window) const {
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_PAGE;
  info.nPage = static_cast<UINT>(pageSize_);
  SetScrollInfo(window, SB_CTL, &info, TRUE);
}

HWND TScrollBar::CreateWindowHandle(const TCreateParams& params) {
  HWND window = TRangeControl::CreateWindowHandle(params);
  if (window && pageSize_ > 0) {
    SendPageSize(window);
    SetScrollPos(window, SB_CTL, Position(), TRUE);
  }
  return window;
}

int TScrollBar::Target(int code) const {
  const SCROLLINFO info = ReadScrollInfo(const_cast<TScrollBar*>(this)->Handle());
  const int last = info.nMax - std::max(static_cast<int>(info.nPage) - 1, 0);
  switch (code) {
    case SB_LINEUP:
      return info.nPos - smallChange_;
    case SB_LINEDOWN:
      return info.nPos + smallChange_;
    case SB_PAGEUP:
      return info.nPos - largeChange_;
    case SB_PAGEDOWN:
      return info.nPos + largeChange_;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      // The full 32-bit place, where the notification carries only 16 bits.
      return info.nTrackPos;
    case SB_TOP:
      return info.nMin;
    case SB_BOTTOM:
      return last;
    default:
      return info.nPos;
  }
}

void TScrollBar::WndProc(TMessage& message) {
  if (message.Msg != CN_HSCROLL && message.Msg != CN_VSCROLL) return TRangeControl::WndProc(message);
  const int code = LOWORD(message.WParam);
  int position = Target(code);
  if (OnScroll) OnScroll(this, code, position);
  const int before = Position();
  // The system keeps the thumb inside the range, a page from its end.
  SetScrollPos(Handle(), SB_CTL, position, TRUE);
  if (Position() != before && OnChange) OnChange(this);
  message.Result = 0;
}

}  // namespace ui
