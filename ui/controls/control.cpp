#include "ui/controls/control.h"

#include <windowsx.h>

#include "text/gbk.h"
#include "ui/controls/win_control.h"
#include "ui/menus/popup_menu.h"

namespace ui {

TShiftState MouseShiftState(WPARAM keyFlags) {
  TShiftState shift = 0;
  if (keyFlags & MK_SHIFT) shift |= ssShift;
  if (keyFlags & MK_CONTROL) shift |= ssCtrl;
  if (keyFlags & MK_LBUTTON) shift |= ssLeft;
  if (keyFlags & MK_RBUTTON) shift |= ssRight;
  if (keyFlags & MK_MBUTTON) shift |= ssMiddle;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

TShiftState KeyboardShiftState() {
  TShiftState shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
  if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  if (GetKeyState(VK_LBUTTON) < 0) shift |= ssLeft;
  if (GetKeyState(VK_RBUTTON) < 0) shift |= ssRight;
  if (GetKeyState(VK_MBUTTON) < 0) shift |= ssMiddle;
  return shift;
}

TControl::TControl(TComponent* owner)
    : TComponent(owner), windowProc_(std::make_shared<const TWndMethod>([this](TMessage& m) { WndProc(m); })) {
  font_.OnChange = [this] { FontChanged(); };
}

TControl::~TControl() {
  BeginDestroy();
  font_.OnChange = nullptr;
  if (parent_) {
    Invalidate();
    parent_->RemoveControl(this);
  }
}

void TControl::SetWindowProc(TWndMethod handler) {
  windowProc_ = std::make_shared<const TWndMethod>(std::move(handler));
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam};
  // Held for the call: a handler may replace WindowProc while it runs.
  const std::shared_ptr<const TWndMethod> handler = windowProc_;
  (*handler)(message);
  return message.Result;
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent_) {
    Invalidate();
    parent_->RemoveControl(this);
  }
  parent_ = parent;
  if (!parent_) return;
  if (parentFont_) ParentFontChanged(parent_->Font());
  if (parentColor_) ParentColorChanged(parent_->Color());
  parent_->InsertControl(this);
  Invalidate();
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  Invalidate();
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  BoundsChanged();
  Invalidate();
}

POINT TControl::ClientToScreen(POINT point) const {
  if (!parent_) return point;
  return parent_->ClientToScreen(POINT{point.x + left_, point.y + top_});
}

POINT TControl::ScreenToClient(POINT point) const {
  if (!parent_) return point;
  const POINT inParent = parent_->ScreenToClient(point);
  return POINT{inParent.x - left_, inParent.y - top_};
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  if (!visible) Invalidate();
  visible_ = visible;
  Perform(CM_VISIBLECHANGED, visible);
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetColor(TColour color) {
  if (!followingParent_) parentColor_ = false;
  if (color == color_) return;
  color_ = color;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentFont(bool parentFont) {
  parentFont_ = parentFont;
  if (parentFont_ && parent_) ParentFontChanged(parent_->Font());
}

void TControl::SetParentColor(bool parentColor) {
  parentColor_ = parentColor;
  if (parentColor_ && parent_) ParentColorChanged(parent_->Color());
}

void TControl::ParentFontChanged(const TFont& parentFont) {
  if (!parentFont_) return;
  followingParent_ = true;
  font_.Assign(parentFont);
  followingParent_ = false;
}

void TControl::ParentColorChanged(TColour parentColor) {
  if (!parentColor_) return;
  followingParent_ = true;
  SetColor(parentColor);
  followingParent_ = false;
}

void TControl::FontChanged() {
  if (!followingParent_) parentFont_ = false;
  Perform(CM_FONTCHANGED);
}

void TControl::SetCaption(const std::string& caption) {
  const std::wstring wide = text::GbkToWide(caption);
  Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void TControl::BringToFront() {
  if (parent_) parent_->ChangeZOrder(this, true);
}

void TControl::SendToBack() {
  if (parent_) parent_->ChangeZOrder(this, false);
}

void TControl::Invalidate() {
  // A window off the screen is painted whole when it shows: filling the grid
  // before the first show would otherwise ask for some 200 repaints.
  if (!parent_ || !parent_->HandleAllocated() || parent_->Destroying() || !IsWindowVisible(parent_->Handle())) return;
  const RECT bounds = BoundsRect();
  InvalidateRect(parent_->Handle(), &bounds, FALSE);
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == popupMenu_) popupMenu_ = nullptr;
}

void TControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE:
      return HandleMouse(message);
    case WM_CONTEXTMENU:
      return HandleContextMenu(message);
    case WM_CAPTURECHANGED:
      clicked_ = false;  // a lost capture ends the press: the release that may follow is no click
      return DefaultHandler(message);
    case WM_SETTEXT:
      text_ = message.LParam ? text::WideToGbk(reinterpret_cast<const wchar_t*>(message.LParam)) : std::string();
      message.Result = TRUE;
      DefaultHandler(message);
      Perform(CM_TEXTCHANGED);
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      return;  // for chained handlers
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
      Invalidate();
      return;
    default:
      DefaultHandler(message);
  }
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::HandleMouse(TMessage& message) {
  DefaultHandler(message);
  const int x = GET_X_LPARAM(message.LParam), y = GET_Y_LPARAM(message.LParam);
  TShiftState shift = MouseShiftState(message.WParam);
  TMouseButton button = TMouseButton::mbLeft;
  switch (message.Msg) {
    case WM_MOUSEMOVE:
      if (OnMouseMove) OnMouseMove(this, shift, x, y);
      return;
    case WM_LBUTTONDBLCLK:
      if (OnDblClick) OnDblClick(this);
      clicked_ = DoubleClickPresses() && ClicksOnMouseUp();
      shift |= ssDouble;
      break;
    case WM_LBUTTONDOWN:
      clicked_ = ClicksOnMouseUp();
      break;
    case WM_RBUTTONDBLCLK:
      shift |= ssDouble;
      [[fallthrough]];
    case WM_RBUTTONDOWN:
      button = TMouseButton::mbRight;
      break;
    case WM_MBUTTONDBLCLK:
      shift |= ssDouble;
      [[fallthrough]];
    case WM_MBUTTONDOWN:
      button = TMouseButton::mbMiddle;
      break;
    case WM_LBUTTONUP: {
      const bool wasClicked = clicked_;
      clicked_ = false;
      const RECT client = ClientRect();
      if (wasClicked && PtInRect(&client, POINT{x, y})) Click();
      if (OnMouseUp) OnMouseUp(this, TMouseButton::mbLeft, shift, x, y);
      return;
    }
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      if (OnMouseUp)
        OnMouseUp(this, message.Msg == WM_RBUTTONUP ? TMouseButton::mbRight : TMouseButton::mbMiddle, shift, x, y);
      return;
  }
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

HWND TControl::MenuOwnerWindow() const { return parent_ ? parent_->MenuOwnerWindow() : nullptr; }

void TControl::HandleContextMenu(TMessage& message) {
  if (!popupMenu_ || !popupMenu_->AutoPopup) return DefaultHandler(message);
  POINT at{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  if (at.x == -1 && at.y == -1) at = ClientToScreen(POINT{width_ / 2, height_ / 2});  // from the keyboard
  popupMenu_->PopupComponent = this;
  popupMenu_->Popup(at.x, at.y, MenuOwnerWindow());
  message.Result = 1;
}

}  // namespace ui
