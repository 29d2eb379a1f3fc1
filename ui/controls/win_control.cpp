#include "ui/controls/win_control.h"

#include <windowsx.h>

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "text/gbk.h"
#include "ui/base/message_exceptions.h"
#include "ui/base/window_binding.h"
#include "ui/base/window_class.h"
#include "ui/menus/menu_item.h"

namespace ui {
namespace {

using TControlBinding = TWindowBinding<TWinControl>;

// The control whose window CreateWindowExW is making; its first message binds them.
thread_local TWinControl* creatingControl = nullptr;

bool IsMouseMessage(UINT msg) { return msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK; }

bool IsButtonDown(UINT msg) {
  return msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDOWN || msg == WM_RBUTTONDBLCLK ||
         msg == WM_MBUTTONDOWN || msg == WM_MBUTTONDBLCLK;
}

bool IsButtonUp(UINT msg) { return msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP; }

bool IsGraphic(const TControl* control) { return dynamic_cast<const TWinControl*>(control) == nullptr; }

}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  BeginDestroy();
  while (!controls_.empty()) delete controls_.back();  // each removes itself
  if (handle_) DestroyWindow(handle_);
  // Still set when a procedure that replaced ours kept WM_NCDESTROY from it.
  if (handle_) TControlBinding::Unbind(handle_, this);
  if (colorBrush_) DeleteObject(colorBrush_);
}

HWND TWinControl::Handle() {
  if (!handle_) CreateWnd();
  return handle_;
}

TWinControl* TWinControl::FromHandle(HWND window) { return TControlBinding::Find(window); }

TWinControl* TWinControl::RootControl() {
  TWinControl* root = this;
  while (root->Parent()) root = root->Parent();
  return root;
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.Caption = text::GbkToWide(TControl::Caption());
  params.Style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  if (Visible()) params.Style |= WS_VISIBLE;
  if (!Enabled()) params.Style |= WS_DISABLED;
  if (tabStop_) params.Style |= WS_TABSTOP;
  params.X = Left();
  params.Y = Top();
  params.Width = Width();
  params.Height = Height();
  params.WinClassName = text::GbkToWide(ClassName());
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if (params.Style & WS_CHILD) {
    if (!Parent()) throw std::logic_error("a child control needs a parent before its window");
    params.WndParent = Parent()->Handle();
    if (handle_) return;  // making the parent's window made this one with it
  }
  paintsItself_ = params.BaseClassName == nullptr;
  defaultProc_ = RegisterWindowClass(params.WinClassName, params.BaseClassName, StdWndProc);
  // A window made while this one is being made (an MDI child's frame) leaves this one pending.
  TWinControl* const outer = std::exchange(creatingControl, this);
  HWND window = CreateWindowHandle(params);
  creatingControl = outer;
  if (!window) throw std::runtime_error("cannot create a window");
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
  PlaceWindowInZOrder();
  for (TControl* control : controls_)
    if (auto* child = dynamic_cast<TWinControl*>(control); child && !child->handle_) child->CreateWnd();
}

HWND TWinControl::CreateWindowHandle(const TCreateParams& params) {
  return CreateWindowExW(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(), params.Style, params.X,
                         params.Y, params.Width, params.Height, params.WndParent, nullptr, GetModuleHandleW(nullptr),
                         nullptr);
}

LRESULT CALLBACK TWinControl::StdWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = FromHandle(window);
  if (!control) {
    control = creatingControl;
    if (!control) return DefWindowProcW(window, msg, wParam, lParam);
    creatingControl = nullptr;
    control->handle_ = window;
    TControlBinding::Bind(window, control);
  }
  LRESULT result = 0;
  try {
    result = control->Perform(msg, wParam, lParam);
  } catch (const std::exception& error) {
    // Exceptions must not unwind through the system's frames.
    HandleMessageException(error);
  }
  if (msg == WM_NCDESTROY) {
    TControlBinding::Unbind(window, control);
    control->handle_ = nullptr;
  }
  return result;
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (!handle_) return;
  message.Result = CallWindowProcW(defaultProc_, handle_, message.Msg, message.WParam, message.LParam);
}

LRESULT TWinControl::Send(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (handle_) return SendMessageW(handle_, msg, wParam, lParam);
  return Perform(msg, wParam, lParam);
}

void TWinControl::WndProc(TMessage& message) {
  if (IsMouseMessage(message.Msg)) {
    TrackMouse(message);
    if (RouteMouseToGraphicControl(message)) {
      // The system's handling still applies, e.g. a right click still makes WM_CONTEXTMENU.
      if (message.Result == 0) DefaultHandler(message);
      return;
    }
    if (paintsItself_ && IsButtonDown(message.Msg)) SetCapture(handle_);
    // Released after the release is handled, which losing the capture earlier would cancel.
    const HWND releasing = paintsItself_ && IsButtonUp(message.Msg) && GetCapture() == handle_ ? handle_ : nullptr;
    TControl::WndProc(message);  // may free this control (a click handler)
    if (releasing && GetCapture() == releasing) ReleaseCapture();
    return;
  }
  switch (message.Msg) {
    case WM_PAINT:
      return PaintHandler(message);
    case WM_ERASEBKGND:
      if (!paintsItself_) return DefaultHandler(message);
      // Only the library's own call (WParam == LParam, on the off-screen
      // bitmap) erases; the system's is left out, the off-screen paint covers all.
      if (message.WParam == static_cast<WPARAM>(message.LParam)) {
        RECT client;
        GetClientRect(handle_, &client);
        FillRect(reinterpret_cast<HDC>(message.WParam), &client, ColorBrush());
      }
      message.Result = 1;
      return;
    case WM_CONTEXTMENU:
      if (TControl* child =
              GraphicControlAt(ScreenToClient(POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)}));
          child && child->PopupMenu()) {
        message.Result = child->Perform(message.Msg, message.WParam, message.LParam);
        return;
      }
      return TControl::WndProc(message);
    case WM_MEASUREITEM:
      // Items of the library's menus, whichever window tracks them.
      if (TMenuItem::HandleOwnerDraw(message.Msg, message.LParam))
        message.Result = TRUE;
      else
        DefaultHandler(message);
      return;
    case WM_DRAWITEM:
      if (reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam)->CtlType == ODT_MENU &&
          TMenuItem::HandleOwnerDraw(message.Msg, message.LParam)) {
        message.Result = TRUE;
        return;
      }
      [[fallthrough]];
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (!ReflectToChild(message)) DefaultHandler(message);
      return;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORBTN: {
      HDC dc = reinterpret_cast<HDC>(message.WParam);
      SetTextColor(dc, ColourToRgb(Font().Color()));
      SetBkColor(dc, ColourToRgb(Color()));
      message.Result = reinterpret_cast<LRESULT>(ColorBrush());
      return;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
    case WM_SYSCHAR:
      return HandleKey(message);
    case WM_MOUSELEAVE:
      if (hoverControl_) std::exchange(hoverControl_, nullptr)->Perform(CM_MOUSELEAVE);
      if (std::exchange(mouseInside_, false)) Perform(CM_MOUSELEAVE);
      return DefaultHandler(message);
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(message.LParam) == handle_) return DefaultHandler(message);  // still ours
      // Taken away (ReleaseCapture in a drag, another window): the graphic
      // control that held it hears so and ends its press.
      if (captureControl_)
        std::exchange(captureControl_, nullptr)->Perform(message.Msg, message.WParam, message.LParam);
      return TControl::WndProc(message);
    case WM_WINDOWPOSCHANGED: {
      const auto* position = reinterpret_cast<const WINDOWPOS*>(message.LParam);
      if (!(position->flags & SWP_NOMOVE)) left_ = position->x, top_ = position->y;
      if (!(position->flags & SWP_NOSIZE)) width_ = position->cx, height_ = position->cy;
      return DefaultHandler(message);
    }
    case CM_VISIBLECHANGED:
      if (handle_) ShowWindow(handle_, message.WParam ? SW_SHOWNA : SW_HIDE);
      return;
    case CM_ENABLEDCHANGED:
      if (handle_) EnableWindow(handle_, Enabled());
      return;
    case CM_COLORCHANGED:
      for (TControl* control : controls_) control->ParentColorChanged(Color());
      return Invalidate();
    case CM_FONTCHANGED:
      if (handle_) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
      for (TControl* control : controls_) control->ParentFontChanged(Font());
      return Invalidate();
    default:
      TControl::WndProc(message);
  }
}

void TWinControl::HandleKey(TMessage& message) {
  if (IsTabNavigation(message)) {
    WORD key = VK_TAB;
    if (message.Msg == WM_KEYDOWN && OnKeyDown) OnKeyDown(this, key, KeyboardShiftState());
    if (message.Msg == WM_KEYDOWN && key != 0) {
      TWinControl* form = this;
      while (form->Parent()) form = form->Parent();
      form->SelectNext(this, GetKeyState(VK_SHIFT) >= 0);
    }
    return;  // the key and its character are used up
  }
  switch (message.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      const TKeyEvent& event = (message.Msg == WM_KEYDOWN || message.Msg == WM_SYSKEYDOWN) ? OnKeyDown : OnKeyUp;
      WORD key = static_cast<WORD>(message.WParam);
      if (event) event(this, key, KeyboardShiftState());
      if (key == 0) return;  // swallowed
      message.WParam = key;
      return DefaultHandler(message);
    }
    case WM_CHAR: {
      wchar_t key = static_cast<wchar_t>(message.WParam);
      if (OnKeyPress) OnKeyPress(this, key);
      if (key == 0) return;
      message.WParam = key;
      return DefaultHandler(message);
    }
    default: {  // WM_SYSCHAR: Alt+character goes to the form first
      if (RootControl()->Perform(CM_DIALOGCHAR, message.WParam, message.LParam) != 0) return;
      DefaultHandler(message);
    }
  }
}

bool TWinControl::IsTabNavigation(const TMessage& message) const {
  const bool tab =
      (message.Msg == WM_KEYDOWN && message.WParam == VK_TAB) || (message.Msg == WM_CHAR && message.WParam == L'\t');
  if (!tab || !Parent() || GetKeyState(VK_CONTROL) < 0) return false;
  return !(SendMessageW(handle_, WM_GETDLGCODE, VK_TAB, 0) & (DLGC_WANTTAB | DLGC_WANTALLKEYS));
}

void TWinControl::CollectTabStops(std::vector<TWinControl*>& stops) {
  for (TControl* control : controls_) {
    auto* child = dynamic_cast<TWinControl*>(control);
    if (!child || !child->Visible() || !child->Enabled() || !child->handle_) continue;
    if (child->tabStop_) stops.push_back(child);
    child->CollectTabStops(stops);
  }
}

void TWinControl::SelectNext(TWinControl* current, bool forward) {
  std::vector<TWinControl*> stops;
  CollectTabStops(stops);
  if (stops.empty()) return;
  const auto found = std::find(stops.begin(), stops.end(), current);
  const size_t count = stops.size();
  size_t next = forward ? 0 : count - 1;
  if (found != stops.end()) {
    const size_t index = static_cast<size_t>(found - stops.begin());
    next = forward ? (index + 1) % count : (index + count - 1) % count;
  }
  stops[next]->SetFocus();
}

bool TWinControl::ReflectToChild(TMessage& message) {
  HWND childWindow = reinterpret_cast<HWND>(message.LParam);
  if (message.Msg == WM_DRAWITEM) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
    if (item->CtlType == ODT_MENU) return false;
    childWindow = item->hwndItem;
  } else if (message.Msg == WM_NOTIFY) {
    childWindow = reinterpret_cast<const NMHDR*>(message.LParam)->hwndFrom;
  }
  TWinControl* child = FromHandle(childWindow);
  if (!child || child == this) return false;
  message.Result = child->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
  return true;
}

void TWinControl::TrackMouse(TMessage& message) {
  if (message.Msg != WM_MOUSEMOVE) return;
  if (!mouseInside_) {
    mouseInside_ = true;
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle_, 0};
    TrackMouseEvent(&track);
    Perform(CM_MOUSEENTER);
  }
  TControl* under = GraphicControlAt(POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
  if (under == hoverControl_) return;
  if (hoverControl_) hoverControl_->Perform(CM_MOUSELEAVE);
  hoverControl_ = under;
  if (hoverControl_) hoverControl_->Perform(CM_MOUSEENTER);
}

TControl* TWinControl::GraphicControlAt(POINT point) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* control = *it;
    const RECT bounds = control->BoundsRect();
    if (IsGraphic(control) && control->Visible() && control->Enabled() && PtInRect(&bounds, point)) return control;
  }
  return nullptr;
}

bool TWinControl::RouteMouseToGraphicControl(TMessage& message) {
  const POINT point{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  TControl* target = captureControl_ ? captureControl_ : GraphicControlAt(point);
  if (!target) return false;
  if (IsButtonDown(message.Msg)) {
    captureControl_ = target;
    SetCapture(handle_);
  }
  const bool lastButtonUp = IsButtonUp(message.Msg) && !(message.WParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON));
  message.Result =
      target->Perform(message.Msg, message.WParam, MAKELPARAM(point.x - target->Left(), point.y - target->Top()));
  if (lastButtonUp && captureControl_) {
    captureControl_ = nullptr;
    if (GetCapture() == handle_) ReleaseCapture();
  }
  return true;
}

// One system paint of a window through a bitmap of its client size; cleans
// up (and validates the window) even when a painter throws.
class TWinControl::TOffscreenPaint {
 public:
  explicit TOffscreenPaint(HWND window) : window_(window), screen_(BeginPaint(window, &paint_)) {
    RECT client;
    GetClientRect(window, &client);
    buffer_ = CreateCompatibleDC(screen_);
    bitmap_ = CreateCompatibleBitmap(screen_, client.right, client.bottom);
    oldBitmap_ = SelectObject(buffer_, bitmap_);
    const RECT& area = paint_.rcPaint;
    IntersectClipRect(buffer_, area.left, area.top, area.right, area.bottom);
  }
  ~TOffscreenPaint() {
    SelectObject(buffer_, oldBitmap_);
    DeleteObject(bitmap_);
    DeleteDC(buffer_);
    EndPaint(window_, &paint_);
  }
  TOffscreenPaint(const TOffscreenPaint&) = delete;
  TOffscreenPaint& operator=(const TOffscreenPaint&) = delete;

  bool Empty() const { return IsRectEmpty(&paint_.rcPaint); }
  HDC Buffer() const { return buffer_; }
  // The one transfer to the screen.
  void CopyToScreen() const {
    const RECT& area = paint_.rcPaint;
    BitBlt(screen_, area.left, area.top, area.right - area.left, area.bottom - area.top, buffer_, area.left, area.top,
           SRCCOPY);
  }

 private:
  HWND window_;
  PAINTSTRUCT paint_;
  HDC screen_;
  HDC buffer_;
  HBITMAP bitmap_;
  HGDIOBJ oldBitmap_;
};

void TWinControl::PaintHandler(TMessage& message) {
  if (HDC dc = reinterpret_cast<HDC>(message.WParam)) {
    if (!paintsItself_) return DefaultHandler(message);
    PaintWindow(dc);
    PaintGraphicControls(dc);
    return;
  }
  if (!paintsItself_ && !doubleBuffered_) return DefaultHandler(message);
  const TOffscreenPaint paint(handle_);
  if (paint.Empty()) return;
  const auto dc = reinterpret_cast<WPARAM>(paint.Buffer());
  Perform(WM_ERASEBKGND, dc, static_cast<LPARAM>(dc));
  Perform(WM_PAINT, dc, 0);
  paint.CopyToScreen();
}

void TWinControl::PaintGraphicControls(HDC dc) {
  for (TControl* control : controls_) {
    if (!IsGraphic(control) || !control->Visible()) continue;
    const RECT bounds = control->BoundsRect();
    if (!RectVisible(dc, &bounds)) continue;
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
    POINT origin;
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x + bounds.left, origin.y + bounds.top, nullptr);
    control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    RestoreDC(dc, saved);
  }
}

HBRUSH TWinControl::ColorBrush() {
  if (!colorBrush_ || brushColor_ != Color()) {
    if (colorBrush_) DeleteObject(colorBrush_);
    brushColor_ = Color();
    colorBrush_ = CreateSolidBrush(ColourToRgb(brushColor_));
  }
  return colorBrush_;
}

void TWinControl::SetTabStop(bool on) {
  tabStop_ = on;
  if (handle_) {
    const LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
    SetWindowLongPtrW(handle_, GWL_STYLE, on ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
  }
}

void TWinControl::SetFocus() { ::SetFocus(Handle()); }

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

std::string TWinControl::Caption() const {
  if (!handle_) return TControl::Caption();
  const int length = GetWindowTextLengthW(handle_);
  std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
  wide.resize(static_cast<size_t>(GetWindowTextW(handle_, wide.data(), length + 1)));
  return text::WideToGbk(wide);
}

POINT TWinControl::ClientToScreen(POINT point) const {
  if (handle_) ::ClientToScreen(handle_, &point);
  return point;
}

POINT TWinControl::ScreenToClient(POINT point) const {
  if (handle_) ::ScreenToClient(handle_, &point);
  return point;
}

void TWinControl::SetParent(TWinControl* parent) {
  if (handle_ && !parent) DestroyWindow(handle_);  // a child window cannot stand alone
  TControl::SetParent(parent);
  if (handle_ && parent) ::SetParent(handle_, parent->Handle());
}

void TWinControl::Invalidate() {
  if (handle_ && IsWindowVisible(handle_)) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::BoundsChanged() {
  if (handle_) SetWindowPos(handle_, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::BringToFront() {
  TControl::BringToFront();
  PlaceWindowInZOrder();
}

void TWinControl::SendToBack() {
  TControl::SendToBack();
  if (handle_ && Parent()) SetWindowPos(handle_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::PlaceWindowInZOrder() {
  if (handle_ && Parent()) SetWindowPos(handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  if (auto* child = dynamic_cast<TWinControl*>(control); child && handle_ && !child->handle_) child->CreateWnd();
}

void TWinControl::RemoveControl(TControl* control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
  if (captureControl_ == control) captureControl_ = nullptr;
  if (hoverControl_ == control) hoverControl_ = nullptr;
}

void TWinControl::ChangeZOrder(TControl* control, bool toFront) {
  auto found = std::find(controls_.begin(), controls_.end(), control);
  if (found == controls_.end()) return;
  controls_.erase(found);
  controls_.insert(toFront ? controls_.end() : controls_.begin(), control);
  control->Invalidate();
}

}  // namespace ui
