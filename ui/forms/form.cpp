#include "ui/forms/form.h"

#include <stdexcept>

#include "ui/base/disabled_windows.h"
#include "ui/base/dropped_files.h"
#include "ui/forms/application.h"
#include "ui/forms/screen.h"
#include "ui/menus/main_menu.h"

namespace ui {
namespace {

// The style bits the border style, the icons and AcceptFiles decide.
constexpr DWORD kFrameStyles = WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
constexpr DWORD kFrameExStyles = WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW | WS_EX_ACCEPTFILES;

// Identifiers of the MDI children in the window menu: far above the menu items' commands.
constexpr UINT kFirstMDIChildId = 0xFF00;

DWORD BorderStyleBits(TFormBorderStyle border) {
  switch (border) {
    case TFormBorderStyle::bsNone:
      return WS_POPUP;
    case TFormBorderStyle::bsSingle:
    case TFormBorderStyle::bsToolWindow:
      return WS_CAPTION;
    case TFormBorderStyle::bsDialog:
      return WS_POPUP | WS_CAPTION;
    case TFormBorderStyle::bsSizeable:
    case TFormBorderStyle::bsSizeToolWin:
      return WS_CAPTION | WS_THICKFRAME;
  }
  return 0;
}

DWORD BorderExStyleBits(TFormBorderStyle border) {
  switch (border) {
    case TFormBorderStyle::bsDialog:
      return WS_EX_DLGMODALFRAME;
    case TFormBorderStyle::bsToolWindow:
    case TFormBorderStyle::bsSizeToolWin:
      return WS_EX_TOOLWINDOW;
    default:
      return 0;
  }
}

DWORD BorderIconBits(TFormBorderStyle border, TBorderIcons icons) {
  if (!(icons & biSystemMenu)) return 0;
  DWORD bits = WS_SYSMENU;
  if (border == TFormBorderStyle::bsSingle || border == TFormBorderStyle::bsSizeable) {
    if (icons & biMinimize) bits |= WS_MINIMIZEBOX;
    if (icons & biMaximize) bits |= WS_MAXIMIZEBOX;
  }
  return bits;
}

int ShowCommand(TWindowState state, bool showing) {
  switch (state) {
    case TWindowState::wsMinimized:
      return showing ? SW_SHOWMINIMIZED : SW_MINIMIZE;
    case TWindowState::wsMaximized:
      return showing ? SW_SHOWMAXIMIZED : SW_MAXIMIZE;
    default:
      return showing ? SW_SHOW : SW_RESTORE;
  }
}

}  // namespace

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  SetVisible(false);
  SetBounds(0, 0, 320, 240);
  Screen().AddForm(this);
}

TForm::~TForm() {
  BeginDestroy();
  // The MDI client keeps a list of its children; it must take this one off itself.
  if (formStyle_ == TFormStyle::fsMDIChild && HandleAllocated())
    SendMessageW(GetParent(Handle()), WM_MDIDESTROY, reinterpret_cast<WPARAM>(Handle()), 0);
  Screen().RemoveForm(this);
  TApplication::FormDestroyed(this);
}

void TForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style = WS_CLIPCHILDREN | BorderStyleBits(borderStyle_) | BorderIconBits(borderStyle_, borderIcons_);
  params.ExStyle = BorderExStyleBits(borderStyle_);
  if (acceptFiles_) params.ExStyle |= WS_EX_ACCEPTFILES;
  if (!Enabled()) params.Style |= WS_DISABLED;
  if (formStyle_ == TFormStyle::fsMDIChild) {
    params.Style = (params.Style & ~WS_POPUP) | WS_CLIPSIBLINGS;
    if (Visible()) params.Style |= WS_VISIBLE;
  }
}

HWND TForm::CreateWindowHandle(const TCreateParams& params) {
  if (formStyle_ == TFormStyle::fsMDIChild) return CreateMDIChildWindow(params);
  HWND window = TWinControl::CreateWindowHandle(params);
  if (!window) return nullptr;
  if (formStyle_ == TFormStyle::fsMDIForm) CreateMDIClient();
  if (menu_) menu_->SetWindowHandle(window);
  return window;
}

TForm* TForm::MDIFrame() const {
  auto* owner = dynamic_cast<TForm*>(Owner());
  if (owner && owner->formStyle_ == TFormStyle::fsMDIForm) return owner;
  TForm* main = Application().MainForm();
  return main && main->formStyle_ == TFormStyle::fsMDIForm ? main : nullptr;
}

HWND TForm::CreateMDIChildWindow(const TCreateParams& params) {
  TForm* frame = MDIFrame();
  if (!frame) throw std::logic_error("an MDI child needs an MDI frame");
  frame->HandleNeeded();
  MDICREATESTRUCTW create{};
  create.szClass = params.WinClassName.c_str();
  create.szTitle = params.Caption.c_str();
  create.hOwner = GetModuleHandleW(nullptr);
  create.x = params.X;
  create.y = params.Y;
  create.cx = params.Width;
  create.cy = params.Height;
  create.style = params.Style;
  return reinterpret_cast<HWND>(SendMessageW(frame->clientHandle_, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
}

void TForm::CreateMDIClient() {
  RECT client;
  GetClientRect(Handle(), &client);
  CLIENTCREATESTRUCT create{nullptr, kFirstMDIChildId};
  clientHandle_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDIClient", nullptr,
                                  WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL, 0, 0, client.right,
                                  client.bottom, Handle(), nullptr, GetModuleHandleW(nullptr), &create);
  if (!clientHandle_) throw std::runtime_error("cannot create the MDI client window");
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
  borderStyle_ = style;
  ApplyWindowStyles();
}

void TForm::SetBorderIcons(TBorderIcons icons) {
  borderIcons_ = icons;
  ApplyWindowStyles();
}

void TForm::SetAcceptFiles(bool on) {
  acceptFiles_ = on;
  ApplyWindowStyles();
}

void TForm::ApplyWindowStyles() {
  if (!HandleAllocated()) return;
  RECT client;
  GetClientRect(Handle(), &client);
  TCreateParams params;
  CreateParams(params);
  const HWND window = Handle();
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
  SetWindowLongPtrW(window, GWL_STYLE, (style & ~kFrameStyles) | (params.Style & kFrameStyles));
  SetWindowLongPtrW(window, GWL_EXSTYLE, (exStyle & ~kFrameExStyles) | (params.ExStyle & kFrameExStyles));
  SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  SetClientSize(client.right, client.bottom);
}

void TForm::SetWindowState(TWindowState state) {
  windowState_ = state;
  if (HandleAllocated() && IsWindowVisible(Handle())) ShowWindow(Handle(), ShowCommand(state, false));
}

RECT TForm::FrameSize() {
  TCreateParams params;
  CreateParams(params);
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, params.Style, menu_ && formStyle_ != TFormStyle::fsMDIChild, params.ExStyle);
  return RECT{-frame.left, -frame.top, frame.right, frame.bottom};
}

int TForm::ClientWidth() {
  const RECT frame = FrameSize();
  return Width() - frame.left - frame.right;
}

int TForm::ClientHeight() {
  const RECT frame = FrameSize();
  return Height() - frame.top - frame.bottom;
}

void TForm::SetClientSize(int width, int height) {
  const RECT frame = FrameSize();
  SetBounds(Left(), Top(), width + frame.left + frame.right, height + frame.top + frame.bottom);
}

void TForm::SetMenu(TMainMenu* menu) {
  if (menu == menu_) return;
  if (menu_) menu_->SetWindowHandle(nullptr);
  menu_ = menu;
  if (menu_ && HandleAllocated() && formStyle_ != TFormStyle::fsMDIChild) menu_->SetWindowHandle(Handle());
}

HWND TForm::MenuOwnerWindow() const { return Application().Handle(); }

void TForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == menu_) menu_ = nullptr;
}

void TForm::Close() {
  TCloseAction action = formStyle_ == TFormStyle::fsMDIChild ? TCloseAction::caFree : TCloseAction::caHide;
  if (OnClose) OnClose(this, action);
  if (action == TCloseAction::caNone) return;
  if (modal_) {
    if (modalResult_ == mrNone) SetModalResult(mrCancel);
  } else if (Application().MainForm() == this) {
    Application().Terminate();
  } else if (action == TCloseAction::caHide) {
    Hide();
  } else {
    Release();
  }
}

void TForm::Release() { Application().FreeLater(this); }

TModalResult TForm::ShowModal() {
  if (Visible() || modal_ || formStyle_ == TFormStyle::fsMDIChild)
    throw std::logic_error("only a hidden top-level form can be shown modally");
  const HWND active = GetActiveWindow();
  modalResult_ = mrNone;
  modal_ = true;
  {
    const TDisabledWindows others(Handle());
    Show();
    while (modalResult_ == mrNone) {
      Application().HandleMessage();
      if (Application().Terminated()) modalResult_ = mrCancel;
    }
  }  // the others are enabled again before the form hides, so activation can go back to them
  modal_ = false;
  Hide();
  if (active && IsWindow(active)) SetActiveWindow(active);
  return modalResult_;
}

void TForm::SetModalResult(TModalResult result) {
  modalResult_ = result;
  // Wakes the modal loop, which may be waiting after a message sent from another thread set this.
  if (modal_ && HandleAllocated()) PostMessageW(Handle(), WM_NULL, 0, 0);
}

void TForm::Cascade() {
  if (clientHandle_) SendMessageW(clientHandle_, WM_MDICASCADE, 0, 0);
}

void TForm::Tile(TTileMode mode) {
  if (clientHandle_)
    SendMessageW(clientHandle_, WM_MDITILE, mode == TTileMode::tbHorizontal ? MDITILE_HORIZONTAL : MDITILE_VERTICAL, 0);
}

TForm* TForm::ActiveMDIChild() const {
  if (!clientHandle_) return nullptr;
  return dynamic_cast<TForm*>(FromHandle(reinterpret_cast<HWND>(SendMessageW(clientHandle_, WM_MDIGETACTIVE, 0, 0))));
}

std::vector<TForm*> TForm::MDIChildren() const {
  std::vector<TForm*> children;
  if (!clientHandle_) return children;
  for (HWND child = GetWindow(clientHandle_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (auto* form = dynamic_cast<TForm*>(FromHandle(child))) children.push_back(form);
  return children;
}

void TForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

bool TForm::ClickMenuItem(UINT command) {
  TMenuItem* item = TMenuItem::FindByCommand(command);
  if (!item || !menu_ || item->GetParentMenu() != menu_) return false;
  item->Click();
  return true;
}

void TForm::DefaultHandler(TMessage& message) {
  if (!HandleAllocated()) return;
  switch (formStyle_) {
    case TFormStyle::fsMDIForm:
      message.Result = DefFrameProcW(Handle(), clientHandle_, message.Msg, message.WParam, message.LParam);
      return;
    case TFormStyle::fsMDIChild:
      message.Result = DefMDIChildProcW(Handle(), message.Msg, message.WParam, message.LParam);
      return;
    default:
      TWinControl::DefaultHandler(message);
  }
}

void TForm::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_VISIBLECHANGED:
      if (message.WParam)
        ShowWindow(Handle(), ShowCommand(windowState_, true));
      else if (HandleAllocated())
        ShowWindow(Handle(), SW_HIDE);
      return;
    case WM_SHOWWINDOW:
      DefaultHandler(message);
      if (message.LParam == 0 && message.WParam && OnShow) OnShow(this);
      if (message.LParam == 0 && !message.WParam && OnHide) OnHide(this);
      return;
    case WM_ACTIVATE:
      DefaultHandler(message);
      if (LOWORD(message.WParam) == WA_INACTIVE) {
        if (OnDeactivate) OnDeactivate(this);
      } else if (OnActivate) {
        OnActivate(this);
      }
      return;
    case WM_SIZE:
      if (message.WParam == SIZE_MAXIMIZED)
        windowState_ = TWindowState::wsMaximized;
      else if (message.WParam == SIZE_MINIMIZED)
        windowState_ = TWindowState::wsMinimized;
      else if (message.WParam == SIZE_RESTORED)
        windowState_ = TWindowState::wsNormal;
      break;
    case WM_COMMAND:
      // A menu's command: no control window, notification code 0.
      if (message.LParam == 0 && HIWORD(message.WParam) == 0 && ClickMenuItem(LOWORD(message.WParam))) return;
      break;
    case CM_MODALRESULT:
      SetModalResult(static_cast<TModalResult>(message.WParam));
      return;
    case WM_DROPFILES: {
      const std::vector<std::string> files = TakeDroppedFiles(reinterpret_cast<HDROP>(message.WParam));
      if (OnDropFiles) OnDropFiles(this, files);
      return;
    }
    case WM_DESTROY:
      // The system would destroy the bar with the window; it belongs to its menu.
      if (menu_) menu_->SetWindowHandle(nullptr);
      break;
    case WM_NCDESTROY:
      clientHandle_ = nullptr;
      break;
    case WM_CLOSE:
      return Close();
  }
  TWinControl::WndProc(message);
}

}  // namespace ui
