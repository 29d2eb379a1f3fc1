#pragma once
// Objects bound to this thread's windows, found by window handle. Every
// message looks its object up; a window property would cost a round trip to
// the window server each time, which under Wine made start-up measurably
// slower. The binding lives until WM_NCDESTROY, so it is kept in the thread
// that receives the window's messages.

#include <windows.h>

#include <unordered_map>

namespace ui {

template <class Object>
class TWindowBinding {
 public:
  static Object* Find(HWND window) {
    auto& objects = Objects();
    const auto found = objects.find(window);
    return found == objects.end() ? nullptr : found->second;
  }
  static void Bind(HWND window, Object* object) { Objects()[window] = object; }
  // Only while `window` is still bound to `object`: a handle the system gave
  // to a new window since then keeps that window's binding.
  static void Unbind(HWND window, const Object* object) {
    auto& objects = Objects();
    const auto found = objects.find(window);
    if (found != objects.end() && found->second == object) objects.erase(found);
  }

 private:
  static std::unordered_map<HWND, Object*>& Objects() {
    thread_local std::unordered_map<HWND, Object*> objects;
    return objects;
  }
};

}  // namespace ui
