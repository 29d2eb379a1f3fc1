#include "ui/controls/tab_control.h"

#include <commctrl.h>

#include <stdexcept>

#include "text/gbk.h"
#include "ui/base/common_controls.h"

namespace ui {
namespace {

DWORD PositionStyle(TTabPosition position) {
  switch (position) {
    case TTabPosition::tpTop:
      return 0;
    case TTabPosition::tpBottom:
      return TCS_BOTTOM;
    case TTabPosition::tpLeft:
      return TCS_VERTICAL | TCS_MULTILINE;
    case TTabPosition::tpRight:
      break;
  }
  return TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE;
}

constexpr DWORD kPositionStyles = TCS_BOTTOM | TCS_VERTICAL | TCS_MULTILINE;

}  // namespace

TTabControl::TTabControl(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 289, 193);
  SetTabStop(true);
}

void TTabControl::InsertTab(int index, const std::string& caption) {
  if (index < 0 || index > TabCount()) throw std::out_of_range("tab index");
  tabs_.insert(tabs_.begin() + index, caption);
  if (tabIndex_ < 0) tabIndex_ = 0;
  if (!HandleAllocated()) return;
  SendTab(Handle(), index, caption, TCM_INSERTITEMW);
  if (TabIndex() < 0) SetTabIndex(tabIndex_);
}

void TTabControl::DeleteTab(int index) {
  if (index < 0 || index >= TabCount()) throw std::out_of_range("tab index");
  tabs_.erase(tabs_.begin() + index);
  if (tabIndex_ >= TabCount()) tabIndex_ = TabCount() - 1;
  if (HandleAllocated()) {
    SendMessageW(Handle(), TCM_DELETEITEM, index, 0);
    if (TabIndex() < 0 && TabCount() > 0) SetTabIndex(tabIndex_);
  }
}

void TTabControl::SetTab(int index, const std::string& caption) {
  tabs_.at(index) = caption;
  if (HandleAllocated()) SendTab(Handle(), index, caption, TCM_SETITEMW);
}

int TTabControl::TabIndex() const {
  if (!HandleAllocated()) return tabIndex_;
  return static_cast<int>(SendMessageW(const_cast<TTabControl*>(this)->Handle(), TCM_GETCURSEL, 0, 0));
}

void TTabControl::SetTabIndex(int index) {
  tabIndex_ = index >= 0 && index < TabCount() ? index : -1;
  if (HandleAllocated()) SendMessageW(Handle(), TCM_SETCURSEL, tabIndex_, 0);
}

void TTabControl::SetTabPosition(TTabPosition position) {
  tabPosition_ = position;
  if (!HandleAllocated()) return;
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE));
  SetWindowLongPtrW(Handle(), GWL_STYLE, (style & ~kPositionStyles) | PositionStyle(position));
  // The page area moved with the tabs.
  BoundsChanged();
  Invalidate();
}

RECT TTabControl::DisplayRect() {
  RECT rect = ClientRect();
  SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rect));
  return rect;
}

void TTabControl::CreateParams(TCreateParams& params) {
  UseCommonControls(ICC_TAB_CLASSES);
  TWinControl::CreateParams(params);
  params.BaseClassName = WC_TABCONTROLW;
  params.Style |= PositionStyle(tabPosition_);
}

HWND TTabControl::CreateWindowHandle(const TCreateParams& params) {
  HWND window = TWinControl::CreateWindowHandle(params);
  if (!window) return window;
  // Tabs measured in another font would not fit and scroll to the selection.
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
  for (int i = 0; i < TabCount(); ++i) SendTab(window, i, tabs_[i], TCM_INSERTITEMW);
  SendMessageW(window, TCM_SETCURSEL, tabIndex_, 0);
  return window;
}

void TTabControl::SendTab(HWND window, int index, const std::string& caption, UINT message) {
  std::wstring wide = text::GbkToWide(caption);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = wide.data();
  SendMessageW(window, message, index, reinterpret_cast<LPARAM>(&item));
}

void TTabControl::WndProc(TMessage& message) {
  if (message.Msg != CN_NOTIFY) return TWinControl::WndProc(message);
  const auto* notice = reinterpret_cast<const NMHDR*>(message.LParam);
  if (notice->code != static_cast<UINT>(TCN_SELCHANGE)) return TWinControl::WndProc(message);
  tabIndex_ = TabIndex();
  Changed();
  if (OnChange) OnChange(this);
}

}  // namespace ui
