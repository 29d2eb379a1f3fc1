#pragma once
// Takes over a window's window procedure for an object: every message goes to
// the object's handler first, which passes what it does not take over to the
// procedure it replaced (CallOld). Restoring puts that procedure back; when
// someone subclassed the window after us, ours stays in the chain and from
// then on passes every message straight on.

#include <windows.h>

#include <functional>

#include "ui/base/window_binding.h"

namespace skin {

class TWindowSubclass {
 public:
  using THandler = std::function<LRESULT(UINT msg, WPARAM wParam, LPARAM lParam)>;

  TWindowSubclass() = default;
  ~TWindowSubclass() { Restore(); }
  TWindowSubclass(const TWindowSubclass&) = delete;
  TWindowSubclass& operator=(const TWindowSubclass&) = delete;

  // False when this object is attached already, the window is gone or
  // another skin subclass serves it.
  bool Attach(HWND window, THandler handler);
  void Restore();
  bool Attached() const { return link_ != nullptr; }

  // The replaced procedure's answer to a message; still valid after Restore,
  // for the message during which the window was given back.
  LRESULT CallOld(UINT msg, WPARAM wParam, LPARAM lParam) const;

 private:
  struct TLink;
  // The link from each subclassed window to its subclass.
  using TLinkBinding = ui::TWindowBinding<TLink>;
  static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  WNDPROC oldProc_ = nullptr;
  TLink* link_ = nullptr;
  THandler handler_;
};

}  // namespace skin
