#pragma once
// A control with a Win32 window of its own. It holds child controls in
// z-order, paints itself and its graphic children off-screen and copies the
// result in one transfer, routes mouse messages to the graphic child under
// the mouse, and passes WM_COMMAND, WM_NOTIFY, WM_HSCROLL, WM_VSCROLL,
// WM_DRAWITEM and WM_CTLCOLOR* back to the child they concern as CN_* messages.

#include <windows.h>

#include <string>
#include <vector>

#include "ui/controls/control.h"

namespace ui {

using TKeyEvent = std::function<void(TComponent* sender, WORD& key, TShiftState shift)>;
// The typed character as a UTF-16 unit; set it to 0 to swallow it.
using TKeyPressEvent = std::function<void(TComponent* sender, wchar_t& key)>;

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;
  std::string ClassName() const override { return "TWinControl"; }

  // The window, created (with its parents') on first use.
  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded() { Handle(); }
  // The library control of a window, or nullptr.
  static TWinControl* FromHandle(HWND window);

  // The outermost control this one lies on (its form), itself when on none.
  TWinControl* RootControl();

  // Child controls from back to front.
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(index); }

  // Paint through an off-screen bitmap (the library's own windows always do).
  bool DoubleBuffered() const { return doubleBuffered_; }
  void SetDoubleBuffered(bool on) { doubleBuffered_ = on; }
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool on);
  void SetFocus();
  bool Focused() const;
  // Moves the focus to the next (or previous) tab stop among this control's
  // windowed descendants, in creation order, wrapping around.
  void SelectNext(TWinControl* current, bool forward);

  std::string Caption() const override;
  POINT ClientToScreen(POINT point) const override;
  POINT ScreenToClient(POINT point) const override;
  void SetParent(TWinControl* parent) override;
  void Invalidate() override;
  void BringToFront() override;
  void SendToBack() override;

  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;

 protected:
  struct TCreateParams {
    std::wstring Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND WndParent = nullptr;
    std::wstring WinClassName;               // registered under this name
    const wchar_t* BaseClassName = nullptr;  // system class it builds on; nullptr: painted by the library
  };
  virtual void CreateParams(TCreateParams& params);
  // Makes the window the params describe (CreateWindowExW by default); the
  // window's first message binds it to this control.
  virtual HWND CreateWindowHandle(const TCreateParams& params);
  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  LRESULT Send(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void BoundsChanged() override;
  // Paints the window's own look; the background is already filled.
  virtual void PaintWindow(HDC) {}
  // The brush of the control's colour, for WM_CTLCOLOR* answers.
  HBRUSH ColorBrush();

 private:
  class TOffscreenPaint;
  static LRESULT CALLBACK StdWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void CreateWnd();
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void ChangeZOrder(TControl* control, bool toFront);
  void PlaceWindowInZOrder();
  TControl* GraphicControlAt(POINT point) const;
  bool RouteMouseToGraphicControl(TMessage& message);
  void TrackMouse(TMessage& message);
  void PaintHandler(TMessage& message);
  void PaintGraphicControls(HDC dc);
  bool ReflectToChild(TMessage& message);
  void HandleKey(TMessage& message);
  // Tab moves the focus unless the control wants the key itself (an edit does not).
  bool IsTabNavigation(const TMessage& message) const;
  void CollectTabStops(std::vector<TWinControl*>& stops);

  HWND handle_ = nullptr;
  WNDPROC defaultProc_ = DefWindowProcW;
  bool paintsItself_ = true;
  std::vector<TControl*> controls_;
  TControl* captureControl_ = nullptr;
  TControl* hoverControl_ = nullptr;
  bool mouseInside_ = false;
  bool doubleBuffered_ = false;
  bool tabStop_ = false;
  HBRUSH colorBrush_ = nullptr;
  TColour brushColor_ = clNone;

  friend class TControl;
};

}  // namespace ui
