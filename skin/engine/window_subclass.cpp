#include "skin/engine/window_subclass.h"

namespace skin {
namespace {

// The window property holding the link from the window to its subclass.
constexpr wchar_t kSubclassProperty[] = L"RilvantaSkinSubclass";

}  // namespace

// Outlives its object when the window could not be given back.
struct TWindowSubclass::TLink {
  TWindowSubclass* Owner;
  WNDPROC OldProc;
};

bool TWindowSubclass::Attach(HWND window, THandler handler) {
  if (link_ || !IsWindow(window) || GetPropW(window, kSubclassProperty)) return false;
  window_ = window;
  handler_ = std::move(handler);
  oldProc_ = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
  link_ = new TLink{this, oldProc_};
  SetPropW(window, kSubclassProperty, link_);
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWindowSubclass::Procedure));
  return true;
}

void TWindowSubclass::Restore() {
  if (!link_) return;
  const bool onTop = IsWindow(window_) && GetWindowLongPtrW(window_, GWLP_WNDPROC) ==
                                              reinterpret_cast<LONG_PTR>(&TWindowSubclass::Procedure);
  if (onTop) {
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc_));
    RemovePropW(window_, kSubclassProperty);
    delete link_;
  } else if (IsWindow(window_)) {
    link_->Owner = nullptr;  // freed with the window
  } else {
    delete link_;
  }
  link_ = nullptr;
}

LRESULT TWindowSubclass::CallOld(UINT msg, WPARAM wParam, LPARAM lParam) const {
  return CallWindowProcW(oldProc_, window_, msg, wParam, lParam);
}

LRESULT CALLBACK TWindowSubclass::Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* link = static_cast<TLink*>(GetPropW(window, kSubclassProperty));
  if (!link) return DefWindowProcW(window, msg, wParam, lParam);
  if (link->Owner) return link->Owner->handler_(msg, wParam, lParam);
  const WNDPROC oldProc = link->OldProc;
  if (msg == WM_NCDESTROY) {
    RemovePropW(window, kSubclassProperty);
    delete link;
  }
  return CallWindowProcW(oldProc, window, msg, wParam, lParam);
}

}  // namespace skin
