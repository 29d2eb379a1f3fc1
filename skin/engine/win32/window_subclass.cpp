#include "skin/engine/win32/window_subclass.h"

namespace skin {

// Outlives its object when the window could not be given back.
struct TWindowSubclass::TLink {
  TWindowSubclass* Owner;
  WNDPROC OldProc;
};

bool TWindowSubclass::Attach(HWND window, THandler handler) {
  if (link_ || !IsWindow(window) || TLinkBinding::Find(window)) return false;
  window_ = window;
  handler_ = std::move(handler);
  oldProc_ = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
  link_ = new TLink{this, oldProc_};
  TLinkBinding::Bind(window, link_);
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWindowSubclass::Procedure));
  return true;
}

void TWindowSubclass::Restore() {
  if (!link_) return;
  const bool alive = IsWindow(window_);
  const bool onTop =
      alive && GetWindowLongPtrW(window_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&TWindowSubclass::Procedure);
  if (onTop) SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc_));
  if (alive && !onTop) {
    link_->Owner = nullptr;  // freed with the window
  } else {
    TLinkBinding::Unbind(window_, link_);
    delete link_;
  }
  link_ = nullptr;
}

LRESULT TWindowSubclass::CallOld(UINT msg, WPARAM wParam, LPARAM lParam) const {
  return CallWindowProcW(oldProc_, window_, msg, wParam, lParam);
}

LRESULT CALLBACK TWindowSubclass::Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TLink* link = TLinkBinding::Find(window);
  if (!link) return DefWindowProcW(window, msg, wParam, lParam);
  if (link->Owner) return link->Owner->handler_(msg, wParam, lParam);
  const WNDPROC oldProc = link->OldProc;
  if (msg == WM_NCDESTROY) {
    TLinkBinding::Unbind(window, link);
    delete link;
  }
  return CallWindowProcW(oldProc, window, msg, wParam, lParam);
}

}  // namespace skin
