#include "ui/forms/application.h"

#include <filesystem>

#include "text/gbk.h"
#include "ui/forms/form.h"
#include "ui/forms/screen.h"
#include "ui/menus/menu_item.h"

namespace ui {
namespace {

constexpr UINT kFreeForm = WM_APP + 1;

// The application while it is alive; forms freed at exit must not reach for it after that.
TApplication* living = nullptr;

}  // namespace

TApplication& Application() {
  Screen();  // made first, so it outlives the forms the application frees
  static TApplication application;
  return application;
}

// The hidden window is made at once, as the process's first window: started
// that way, before any text is measured, the window system comes up faster.
TApplication::TApplication() : TComponent(nullptr) {
  living = this;
  SetMessageExceptionHandler([this](const std::exception& error) { HandleException(error); });
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"TApplication";
  RegisterClassExW(&windowClass);
  handle_ = CreateWindowExW(WS_EX_TOOLWINDOW, L"TApplication", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
}

TApplication::~TApplication() {
  BeginDestroy();
  living = nullptr;
  FreeOwned();
  if (handle_) DestroyWindow(handle_);
  SetMessageExceptionHandler(nullptr);
}

LRESULT CALLBACK TApplication::WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  try {
    switch (msg) {
      case WM_MEASUREITEM:
      case WM_DRAWITEM:
        if (TMenuItem::HandleOwnerDraw(msg, lParam)) return TRUE;
        break;
      case kFreeForm:
        delete reinterpret_cast<TForm*>(lParam);
        return 0;
    }
  } catch (const std::exception& error) {
    Application().HandleException(error);
    return 0;
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}

void TApplication::SetTitle(std::string title) {
  title_ = std::move(title);
  if (handle_) SetWindowTextW(handle_, text::GbkToWide(title_).c_str());
}

void TApplication::Run() {
  if (mainForm_ && !mainForm_->Visible()) mainForm_->Show();
  MSG msg;
  while (!terminated_) {
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) break;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  terminated_ = true;
  // The forms go while the program still runs: the thread's window bindings
  // and every registry made after the application end before it at exit.
  FreeOwned();
}

void TApplication::FreeOwned() {
  mainForm_ = nullptr;
  while (ComponentCount() > 0) delete Components(ComponentCount() - 1);
}

void TApplication::Terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

void TApplication::ProcessMessages() {
  while (ProcessMessage()) {
  }
}

void TApplication::HandleMessage() {
  if (!ProcessMessage()) WaitMessage();
}

bool TApplication::ProcessMessage() {
  MSG msg;
  if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return false;
  }
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
  return true;
}

void TApplication::FreeLater(TForm* form) { PostMessageW(Handle(), kFreeForm, 0, reinterpret_cast<LPARAM>(form)); }

void TApplication::HandleException(const std::exception& error) {
  if (OnException)
    OnException(error);
  else
    ShowException(error);
}

void TApplication::ShowException(const std::exception& error) {
  std::string message = error.what();
  if (!message.empty() && message.back() != '.') message += '.';
  ShowMessageBox(message, title_, MB_OK | MB_ICONSTOP);
}

int TApplication::ShowMessageBox(const std::string& text, const std::string& caption, UINT flags) {
  return ShowBox(text::GbkToWide(text), text::GbkToWide(caption), flags);
}

void TApplication::ShowMessage(const std::string& text) {
  std::wstring caption = text::GbkToWide(title_);
  if (caption.empty()) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    caption = std::filesystem::path(path).stem().wstring();
  }
  ShowBox(text::GbkToWide(text), caption, MB_OK);
}

int TApplication::ShowBox(const std::wstring& text, const std::wstring& caption, UINT flags) const {
  // Owned by the window the user is working in, so that window knows the box
  // that takes activation from it as its own.
  const HWND active = GetActiveWindow();
  return MessageBoxW(active ? active : handle_, text.c_str(), caption.c_str(), flags);
}

void TApplication::FormDestroyed(TForm* form) {
  if (living && living->mainForm_ == form) living->mainForm_ = nullptr;
}

}  // namespace ui
