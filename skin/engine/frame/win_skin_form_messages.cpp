// The frame skinner's message handling: what it takes over from its window's
// procedure, in three stages (every window; top-level windows and MDI
// children; windows whose frame it paints), and the caption actions.
#include <windowsx.h>

#include "skin/component/skin_data.h"
#include "skin/engine/frame/mdi_client_subclass.h"
#include "skin/engine/frame/win_skin_form.h"
#include "skin/engine/frame/win_skin_menu.h"
#include "skin/engine/menus/system_menu_popup.h"
#include "skin/engine/win32/skin_messages.h"
#include "ui/forms/application.h"
#include "ui/forms/form.h"
#include "ui/menus/popup_menu.h"

namespace skin {
namespace {

constexpr LPARAM kMenuKeySpace = ' ';
constexpr LPARAM kMenuKeyMinus = '-';

POINT PointOf(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

// The show state as the style gives it. Not from the placement: Wine, asked
// for it while restoring a minimised window, keeps the icon's rectangle as the
// size to restore to.
TShowState ShowStateOfStyle(LONG_PTR style) {
  if (style & WS_MINIMIZE) return TShowState::Minimized;
  return (style & WS_MAXIMIZE) ? TShowState::Maximized : TShowState::Normal;
}

bool IsRepostedSystemCommand(WORD command) {
  switch (command) {
    case SC_SIZE:
    case SC_MOVE:
    case SC_MINIMIZE:
    case SC_MAXIMIZE:
    case SC_NEXTWINDOW:
    case SC_PREVWINDOW:
    case SC_CLOSE:
    case SC_RESTORE:
      return true;
    default:
      return false;
  }
}

}  // namespace

LRESULT TWinSkinForm::SkinWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (HandleStage1(msg, wParam, lParam, result)) return result;
  if (!SkinsFrames()) return CallOldProc(msg, wParam, lParam);
  // Other child windows keep only the first stage.
  if (mdiKind_ != TMdiKind::Child && (GetWindowLongPtrW(window_, GWL_STYLE) & WS_CHILD))
    return CallOldProc(msg, wParam, lParam);
  if (HandleStage2(msg, wParam, lParam, result)) return result;
  if (RunsStage3() && HandleStage3(msg, wParam, lParam, result)) return result;
  return CallOldProc(msg, wParam, lParam);
}

bool TWinSkinForm::HandleStage1(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_ERASEBKGND:
      result = CallOldProc(msg, wParam, lParam);
      if (IsBareWindow()) {
        RECT client{};
        GetClientRect(window_, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, data_->FaceBrush());
        result = 1;
      }
      return true;
    case WM_STYLECHANGED:
      if (static_cast<int>(wParam) == GWL_STYLE) windowStyle_ = reinterpret_cast<const STYLESTRUCT*>(lParam)->styleNew;
      result = CallOldProc(msg, wParam, lParam);
      return true;
    case WM_NCDESTROY:
      // The frame's bar may still show this child's buttons.
      if (mdiKind_ == TMdiKind::Child) PostMessageW(GetAncestor(window_, GA_ROOT), SKM_REPAINTFRAME, 0, 0);
      state_ = TFormSkinnerState::Destroying;
      FreeMenuBar(true);
      UnskinOnDestroy();
      result = CallOldProc(msg, wParam, lParam);
      state_ = TFormSkinnerState::Destroyed;
      form_ = nullptr;  // going with its window: nothing may reach it until the host frees the skinner
      host_.SkinnedWindowDestroyed(*this);
      return true;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
      result = CallOldProc(msg, wParam, lParam);
      if (IsBareWindow()) SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      if (msg == WM_CTLCOLORSTATIC) result = reinterpret_cast<LRESULT>(data_->FaceBrush());
      return true;
    case WM_SETTEXT:
      result = CallOldProc(msg, wParam, lParam);
      // The system paints its own caption with the new text; the skin's goes over it.
      if (SkinsFrames() && IsBareWindow()) PaintNonClient(nullptr);
      return true;
    case SKM_QUERYSKINNED:
      result = kSkinnedAnswer;
      return true;
    case WM_TIMER:
      if (wParam != kHoverTimerId) return false;
      OnHoverTimer();
      return true;
    default:
      return false;
  }
}

bool TWinSkinForm::HandleStage2(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_MEASUREITEM:
      if (!HandleMeasureItem(lParam)) return false;
      result = TRUE;
      return true;
    case WM_DRAWITEM:
      if (!HandleDrawItem(lParam)) return false;
      result = TRUE;
      return true;
    case WM_SIZE:
      result = OnSize(wParam, lParam);
      return true;
    case WM_ACTIVATE:
      active_ = LOWORD(wParam) != WA_INACTIVE;
      return false;
    case WM_NCACTIVATE:
      active_ = wParam != 0;
      return false;
    case WM_GETMINMAXINFO:
      result = OnGetMinMaxInfo(wParam, lParam);
      return true;
    case WM_WINDOWPOSCHANGED:
      RefreshShowState();
      result = CallOldProc(msg, wParam, lParam);
      return true;
    case WM_COMMAND:
      // System commands chosen in the window's own system menu.
      if (IsRepostedSystemCommand(LOWORD(wParam)))
        PostMessageW(window_, WM_SYSCOMMAND, LOWORD(wParam), 0);
      else
        result = CallOldProc(msg, wParam, lParam);
      return true;
    case WM_SYSCOMMAND:
      result = OnSysCommand(wParam, lParam);
      return true;
    case SKM_ATTACHED:
      OnAttached();
      return true;
    case ui::CM_MENUCHANGED: {
      // The menu change must not paint the system's frame over the skin's.
      const bool ncPaint = data_->NcPaintEnabled();
      data_->SetNcPaintEnabled(false);
      result = CallOldProc(msg, wParam, lParam);
      data_->SetNcPaintEnabled(ncPaint);
      // A library menu put its rebuilt bar on the window. The skin's menu
      // updates are held only for an MDI frame creating its children.
      if (HMENU menu = GetMenu(window_); menu && menuBar_ && (mdiKind_ != TMdiKind::Frame || data_->MenuUpdate()))
        menuBar_->BuildFromMenuHandle(menu);
      return true;
    }
    case WM_MENUSELECT:
      if (menuBar_) menuBar_->MenuSelect(wParam, lParam);
      return false;
    case WM_NCMOUSELEAVE:
      OnNcMouseLeave();
      return false;
    default:
      return false;
  }
}

bool TWinSkinForm::RunsStage3() const {
  return !IsMdiChildNotNormal() && showState_ != TShowState::Minimized && state_ != TFormSkinnerState::Created;
}

bool TWinSkinForm::HandleStage3(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_NCCALCSIZE:
      result = OnNcCalcSize(wParam, lParam);
      return true;
    case WM_NCHITTEST:
      result = OnNcHitTest(wParam, lParam);
      return true;
    case WM_NCPAINT:
      result = OnNcPaint(wParam, lParam);
      return true;
    case WM_NCACTIVATE:
      result = OnNcActivate(wParam);
      return true;
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
      return OnCaptionMouse(msg, wParam, lParam, result);
    case SKM_REPAINTFRAME:
      // A maximised child may have gone without the client being asked to destroy it.
      if (mdiClient_ && MdiChildrenMaximized() && !mdiClient_->ActiveChildMaximized()) host_.SetMdiMaximized(false);
      PaintNonClient(nullptr);
      return true;
    default:
      return false;
  }
}

LRESULT TWinSkinForm::OnSize(WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallOldProc(WM_SIZE, wParam, lParam);
  if (wParam == SIZE_RESTORED) showState_ = TShowState::Normal;
  if (wParam == SIZE_MINIMIZED) showState_ = TShowState::Minimized;
  if (wParam == SIZE_MAXIMIZED) showState_ = TShowState::Maximized;
  if (showState_ == TShowState::Minimized) return result;
  if (mdiKind_ == TMdiKind::Child && (MdiChildrenMaximized() || showState_ != TShowState::Normal)) return result;
  if (state_ == TFormSkinnerState::Active || state_ == TFormSkinnerState::Refreshing) UpdateRegion();
  return result;
}

LRESULT TWinSkinForm::OnNcCalcSize(WPARAM wParam, LPARAM lParam) {
  CallOldProc(WM_NCCALCSIZE, wParam, lParam);
  if (!wParam) return 0;
  auto& params = *reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
  if (borderKind_ == TBorderKind::None || IsMdiChildNotNormal()) {
    params.rgrc[1] = params.rgrc[0];
    return WVR_VALIDRECTS;
  }
  const WINDOWPOS& pos = *params.lppos;
  RECT client{pos.x + widths_.Left, pos.y + widths_.Title + menuBarHeight_, pos.x + pos.cx - widths_.Right,
              pos.y + pos.cy - widths_.Bottom};
  // A window smaller than its frame has an empty client area, not an inverted one.
  client.right = std::max(client.right, client.left);
  client.bottom = std::max(client.bottom, client.top);
  params.rgrc[0] = client;
  // A client that moves within its window (the frame changed) keeps none of
  // its old bits: the system would move them, but not the parts of them still
  // waiting for a paint, which then never come.
  const RECT& oldWindow = params.rgrc[1];
  const RECT& oldClient = params.rgrc[2];
  const bool moved =
      client.left - pos.x != oldClient.left - oldWindow.left || client.top - pos.y != oldClient.top - oldWindow.top;
  params.rgrc[1] = moved ? RECT{} : client;
  return WVR_VALIDRECTS;
}

LRESULT TWinSkinForm::OnNcHitTest(WPARAM wParam, LPARAM lParam) {
  const LRESULT hit = CallOldProc(WM_NCHITTEST, wParam, lParam);
  if (hit != HTNOWHERE) return hit;
  switch (FrameHitAt(ScreenToFrame(PointOf(lParam)).y, widths_.Title)) {
    case TFrameHit::Caption:
      return HTCAPTION;
    case TFrameHit::MenuBar:
      return HTMENU;
    case TFrameHit::Nowhere:
      break;
  }
  return HTNOWHERE;
}

LRESULT TWinSkinForm::OnNcPaint(WPARAM wParam, LPARAM lParam) {
  if (!data_->NcPaintEnabled()) return 0;
  if (borderKind_ == TBorderKind::None || IsMdiChildNotNormal()) return CallOldProc(WM_NCPAINT, wParam, lParam);
  // The device context takes over the region it clips to, so it gets a copy.
  HDC dc = nullptr;
  if (wParam > 1) {
    HRGN clip = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(clip, reinterpret_cast<HRGN>(wParam), nullptr, RGN_COPY);
    dc = GetDCEx(window_, clip, DCX_WINDOW | DCX_CACHE | DCX_INTERSECTRGN);
    if (!dc) DeleteObject(clip);
  }
  if (!dc) dc = GetWindowDC(window_);
  PaintNonClient(dc);
  ReleaseDC(window_, dc);
  return 0;
}

LRESULT TWinSkinForm::OnNcActivate(WPARAM wParam) {
  active_ = wParam != 0;
  if (!active_) {
    SetHoverTimer(false);
    // Without the timer nothing would see the mouse leave the hot control.
    ReleaseHotControl();
  }
  // The system keeps its record of the caption's state (which its own frame
  // shows once the skin is gone), without painting it: lParam -1.
  CallOldProc(WM_NCACTIVATE, wParam, -1);
  if (!IsMdiChildNotNormal()) PaintNonClient(nullptr);
  return TRUE;
}

bool TWinSkinForm::OnCaptionMouse(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  const POINT cursor = PointOf(lParam);
  switch (msg) {
    case WM_NCMOUSEMOVE: {
      // An inactive window's buttons do not light up.
      if (!active_) return true;
      TrackFrameHover();
      if (TNCObject* object = FindHitObject(ScreenToFrame(cursor))) {
        object->Hover();
        return true;
      }
      if (hotObject_) hotObject_->Leave();
      return false;
    }
    case WM_NCLBUTTONDOWN: {
      if (TNCObject* object = FindHitObject(ScreenToFrame(cursor))) {
        if (!active_) SetForegroundWindow(window_);
        object->Press();
        if (auto* button = dynamic_cast<TMenuBtn*>(object)) menuBar_->OpenBarPopup(*button);
        return true;
      }
      // A maximised window is not dragged by its title.
      if (showState_ == TShowState::Maximized && active_ && wParam == HTCAPTION) wParam = HTMENU;
      result = CallOldProc(msg, wParam, lParam);
      return true;
    }
    case WM_NCLBUTTONUP: {
      TNCObject* object = FindHitObject(ScreenToFrame(cursor));
      if (!object) return false;
      // A menu-bar button acted when it was pressed.
      if (object == hotObject_ && !dynamic_cast<TMenuBtn*>(object)) {
        object->Release();
        DoCaptionAction(cursor.x, cursor.y);
      }
      return true;
    }
    case WM_NCLBUTTONDBLCLK:
      if (showState_ != TShowState::Normal)
        Restore();
      else if (allowed_.Maximize)
        ToggleMaximize();
      return true;
    case WM_NCRBUTTONDOWN:
      // The system's handling would take the release for a menu of its own.
      return wParam == HTCAPTION && mdiKind_ != TMdiKind::Child;
    case WM_NCRBUTTONUP:
      if (wParam != HTCAPTION || mdiKind_ == TMdiKind::Child) return false;
      // Beside the pointer: a second click there ends the menu and reaches the caption again.
      ShowSystemMenu(cursor.x + 1, cursor.y + 1);
      return true;
    default:
      return false;
  }
}

LRESULT TWinSkinForm::OnSysCommand(WPARAM wParam, LPARAM lParam) {
  const WPARAM command = wParam & 0xFFF0;
  // Alt+Space: the system opens no menu for a window without the system-menu style.
  if (command == SC_KEYMENU && lParam == kMenuKeySpace && mdiKind_ != TMdiKind::Child && !MenuTracking()) {
    const POINT corner = FrameToScreen(POINT{widths_.Left, widths_.Title});
    PopupSystemMenu(corner.x, corner.y);
    return 0;
  }
  if (!MenuTracking() && command == SC_KEYMENU && lParam != kMenuKeySpace && lParam != kMenuKeyMinus && !GetCapture()) {
    // The menu key alone opens no system menu on a skinned frame.
    if (lParam == 0) return 1;
    // An access key of the skinned bar opens its popup (a library form's
    // dialog-character handling has done so before the system asks).
    if (TMenuBtn* button = menuBar_ ? menuBar_->FindAccelButton(static_cast<wchar_t>(lParam)) : nullptr) {
      menuBar_->ClickBarButton(*button);
      return 0;
    }
  }
  switch (command) {
    case SC_MINIMIZE:
      showState_ = TShowState::Minimized;
      if (mdiKind_ == TMdiKind::Child) SetSystemStyles(true);
      break;
    case SC_MAXIMIZE:
      showState_ = TShowState::Maximized;
      break;
    case SC_RESTORE:
      showState_ = TShowState::Normal;
      if (mdiKind_ == TMdiKind::Child) SetSystemStyles(false);
      break;
    default:
      break;
  }
  return CallOldProc(WM_SYSCOMMAND, wParam, lParam);
}

LRESULT TWinSkinForm::OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallOldProc(WM_GETMINMAXINFO, wParam, lParam);
  showState_ = ShowStateOfStyle(GetWindowLongPtrW(window_, GWL_STYLE));
  if (showState_ == TShowState::Minimized) {
    // The system draws a minimised window.
    SetSystemStyles(true);
  } else if (mdiKind_ != TMdiKind::Child) {
    SetSystemStyles(false);
  } else if (showState_ == TShowState::Normal) {
    if (MdiChildrenMaximized()) host_.SetMdiMaximized(false);
    SetSystemStyles(false);
  } else {
    SetSystemStyles(true);
  }
  auto& info = *reinterpret_cast<MINMAXINFO*>(lParam);
  info.ptMaxTrackSize = POINT{GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
  return result;
}

void TWinSkinForm::OnAttached() {
  if (state_ == TFormSkinnerState::Created) {
    if (mdiKind_ == TMdiKind::Child && MdiChildrenMaximized()) {
      SetSystemStyles(true);
      RecalculateFrame();
    } else if (showState_ != TShowState::Minimized && borderKind_ != TBorderKind::None) {
      state_ = TFormSkinnerState::Fitting;
      KeepClientForFirstFit();
      FitWindowToFrame(false);
    }
    state_ = TFormSkinnerState::Active;
    if (showState_ != TShowState::Minimized) UpdateRegion();
    // Opaque borders cut no region, whose setting would have repainted the frame.
    if (!regionApplied_) RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
  }
}

void TWinSkinForm::TrackFrameHover() {
  if (hoverTimerOn_) return;
  SetHoverTimer(true);
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE | TME_NONCLIENT, window_, 0};
  TrackMouseEvent(&track);
}

void TWinSkinForm::OnNcMouseLeave() {
  SetHoverTimer(false);
  if (!MenuTracking()) OnHoverTimer();
}

void TWinSkinForm::OnHoverTimer() {
  if (MenuTracking()) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  if (hotObject_) {
    const POINT point = ScreenToFrame(cursor);
    if (!Contains(hotObject_->Bounds, point.x, point.y)) hotObject_->Leave();
  }
  // A library control hears of the mouse leaving it from the library; a bare window's control from here.
  if (const TSkinControl* hot = controlSkinners_.HotControl(); hot && IsBareWindow()) {
    RECT rect{};
    if (!GetWindowRect(hot->WindowHandle(), &rect) || !PtInRect(&rect, cursor)) ReleaseHotControl();
  }
}

void TWinSkinForm::ReleaseHotControl() {
  TSkinControl* hot = controlSkinners_.HotControl();
  if (!hot) return;
  hot->SendMouseLeave();
  controlSkinners_.SetHotControl(nullptr);
}

void TWinSkinForm::FormWindowProc(ui::TMessage& message) {
  switch (message.Msg) {
    case WM_SETTEXT:
      savedWindowProc_(message);
      // The new caption is painted with the frame.
      RecalculateFrame();
      return;
    case SKM_REFRESH:
      RefreshSkin();
      return;
    case ui::CM_DIALOGCHAR:
      if (OpensBarByAccelerator(static_cast<wchar_t>(message.WParam))) {
        message.Result = 1;
        return;
      }
      savedWindowProc_(message);
      return;
    default:
      savedWindowProc_(message);
  }
}

POINT TWinSkinForm::FrameToScreen(POINT frame) const {
  RECT rect{};
  GetWindowRect(window_, &rect);
  return POINT{rect.left + frame.x, rect.top + frame.y};
}

POINT TWinSkinForm::ScreenToFrame(POINT screen) const {
  POINT point = screen;
  ScreenToClient(window_, &point);
  if (showState_ != TShowState::Minimized) {
    point.x += widths_.Left;
    point.y += widths_.Title + menuBarHeight_;
  }
  return point;
}

TNCObject* TWinSkinForm::FindHitObject(POINT point) const {
  if (TNCObject* button = captionButtons_.ButtonAt(point)) return button;
  return menuBar_ ? menuBar_->ButtonAt(point) : nullptr;
}

bool TWinSkinForm::MenuTracking() const { return systemMenuShown_ || (menuBar_ && menuBar_->Tracking()); }

bool TWinSkinForm::OpensBarByAccelerator(wchar_t key) {
  // Alt alone of the shift keys.
  const bool altOnly = GetKeyState(VK_MENU) < 0 && GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_CONTROL) >= 0;
  TMenuBtn* button = altOnly && menuBar_ ? menuBar_->FindAccelButton(key) : nullptr;
  if (button) menuBar_->ClickBarButton(*button);
  return button != nullptr;
}

void TWinSkinForm::PostClose() {
  SetHoverTimer(false);
  PostMessageW(window_, WM_CLOSE, 0, 0);
}

void TWinSkinForm::DoCaptionAction(int x, int y) {
  const auto* button = dynamic_cast<const TWinSysButton*>(hotObject_);
  if (!button) return;
  using namespace captionaction;
  const int action = button->Record.Action;
  UINT mdiCommand = 0;
  switch (action) {
    case kClose:
      return PostClose();
    case kMaximize:
    case kMaximizeOther:
      return ToggleMaximize();
    case kMinimize:
    case kMinimizeOther:
      return ToggleMinimize();
    case kSystemMenu:
    case kSystemMenuIcon:
    case kSystemMenuOther:
      return ShowSystemMenu(x + 1, y + 1);
    case kMdiMinimize:
    case kMdiMinimizeOther:
      mdiCommand = SC_MINIMIZE;
      break;
    case kMdiRestore:
    case kMdiRestoreOther:
      mdiCommand = SC_RESTORE;
      break;
    case kMdiClose:
    case kMdiCloseOther:
      mdiCommand = SC_CLOSE;
      break;
    default:
      // Actions of no meaning here go to whoever watches the message loop.
      PostMessageW(window_, SKM_QUERYSKINNED, static_cast<WPARAM>(action), 0);
      return;
  }
  if (!mdiClient_) return;
  const HWND child = reinterpret_cast<HWND>(SendMessageW(mdiClient_->Window(), WM_MDIGETACTIVE, 0, 0));
  if (!child) return;
  SendMessageW(child, WM_SYSCOMMAND, mdiCommand, 0);
  if (MdiChildrenMaximized() && !mdiClient_->ActiveChildMaximized()) host_.SetMdiMaximized(false);
}

void TWinSkinForm::ToggleMaximize() {
  if (showState_ == TShowState::Maximized) return Restore();
  showState_ = TShowState::Maximized;
  PostMessageW(window_, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  hotObject_ = nullptr;
}

void TWinSkinForm::ToggleMinimize() {
  if (showState_ == TShowState::Minimized) return Restore();
  showState_ = TShowState::Minimized;
  PostMessageW(window_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TWinSkinForm::Restore() {
  showState_ = TShowState::Normal;
  PostMessageW(window_, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void TWinSkinForm::ShowSystemMenu(int x, int y) {
  const DWORD now = GetTickCount();
  // A second click within the double-click time closes the window.
  if (now - lastSysMenuTime_ <= doubleClickTime_) return PostClose();
  lastSysMenuTime_ = now;
  PopupSystemMenu(x, y);
}

void TWinSkinForm::PopupSystemMenu(int x, int y) {
  // Made when first shown: most windows never show it.
  if (!sysMenuPopup_)
    sysMenuPopup_ = CreateSystemMenuPopup(allowed_, *data_, &host_, [this](int tag) { SysMenuClick(tag); });
  EnableSystemMenuItems(*sysMenuPopup_, showState_);
  systemMenuShown_ = true;
  if (data_->SkinControls().Contains(TSkinControlType::xcSystemMenu) && mdiKind_ != TMdiKind::Child) {
    sysMenuPopup_->Popup(x, y, ui::Application().Handle());
  } else {
    // The system enables the commands of the window's own menu by the styles
    // the skinner took away: they are back while it shows.
    const bool stylesOn = (windowStyle_ & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) != 0;
    SetSystemStyles(true);
    TrackPopupMenu(GetSystemMenu(window_, FALSE), TPM_RIGHTBUTTON, x, y, 0, window_, nullptr);
    SetSystemStyles(stylesOn);
  }
  systemMenuShown_ = false;
}

void TWinSkinForm::SysMenuClick(int tag) {
  switch (tag) {
    case kSystemMenuRestore:
      return Restore();
    case kSystemMenuMaximize:
      return ToggleMaximize();
    case kSystemMenuMinimize:
      return ToggleMinimize();
    case kSystemMenuClose:
      return PostClose();
    default:
      break;
  }
}

}  // namespace skin
