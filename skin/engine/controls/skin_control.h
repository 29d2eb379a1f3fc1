#pragma once
// The base of the control skinners a frame skinner attaches to the controls
// of its window. A skinner sits in the message path of one control: either a
// library control (its message handler is chained) or a bare window (its
// window procedure is subclassed). It keeps the control's state (enabled,
// focused, text, mouse over, pressed) and paints the control from the skin
// instead of letting it paint itself. Detaching gives back the handler or
// procedure it replaced and the colour it changed.
//
// Every message goes through SkinWindowProc: BeforeMessage decides whether
// the control's own handling runs (CallOldHandler), then AfterMessage sees
// the message with the control's answer.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "skin/engine/controls/control_colours.h"
#include "skin/engine/win32/window_subclass.h"
#include "ui/base/component.h"
#include "ui/base/messages.h"

namespace ui {
class TCanvas;
class TControl;
}  // namespace ui

namespace skin {

class TSkinData;
class TControlSkinners;

// Bits of a control skinner's MouseState.
inline constexpr std::uint8_t kMouseOver = 1;
inline constexpr std::uint8_t kMousePressed = 2;

class TSkinControl : public ui::TComponent {
 public:
  explicit TSkinControl(ui::TComponent* owner = nullptr);
  // Gives back what it replaced.
  ~TSkinControl() override;
  std::string ClassName() const override { return "TSkinControl"; }

  // The window it serves; nullptr for a control without a window.
  virtual HWND WindowHandle() const { return handle_; }
  // The windowless control it serves (a speed button), or nullptr.
  virtual const ui::TControl* GraphicControl() const { return handle_ ? nullptr : control_; }
  // Whether attaching gave the control the skin's button-face colour.
  virtual bool Recolour() const { return recolour_; }

  // For a library control: chains its message handler, switches its double
  // buffering on and, with `recolour`, sets its colour to the skin's button
  // face; a second call does nothing. `canvas` is the frame skinner's shared
  // drawing canvas.
  virtual void AttachControl(ui::TControl& control, TSkinData& data, bool recolour, ui::TCanvas& canvas);
  // For a bare window: subclasses its window procedure.
  virtual void AttachHandle(HWND window, TSkinData& data, ui::TCanvas& canvas);
  // Gives back the handler or procedure it replaced and the colour it
  // changed (unless the frame skinner's window is being destroyed).
  virtual void Detach();

  // Paints the whole control on `dc`, or on the window's own device context
  // when it is nullptr; nothing when the window's rectangle cannot be read.
  virtual void PaintSkin(HDC dc);
  // Re-applies the colour and repaints after a skin change.
  virtual void UpdateSkin();
  // Repaints the control now.
  void RepaintNow();
  // Tells the control the mouse left it (CM_MOUSELEAVE).
  void SendMouseLeave();

  // Joins the list of the frame skinner that owns it (the list does this).
  void JoinSkinners(TControlSkinners* skinners) { skinners_ = skinners; }

  std::uint8_t MouseState() const { return mouseState_; }
  bool Attached() const { return attached_; }
  const RECT& LastWindowRect() const { return lastWindowRect_; }

 protected:
  // The one path of every message of the control.
  void SkinWindowProc(ui::TMessage& message);
  // The control's own handling of the message; its answer goes into `message`.
  void CallOldHandler(ui::TMessage& message);
  // True lets the control's own handling and AfterMessage run.
  virtual bool BeforeMessage(ui::TMessage& message);
  virtual void AfterMessage(ui::TMessage& message);
  // Draws the skin into `dc` within `rect` (the base draws nothing).
  virtual void DrawSkin(HDC, const RECT&) {}

  // Fills `rect` with the skin's button face.
  void FillFace(HDC dc, const RECT& rect) const;
  // The skin's face colour (the system's without a skin).
  COLORREF FaceRgb() const;
  // Draws a GBK caption with a transparent background: centred (DT_CENTER)
  // one pixel above the exact centre, or left (DT_LEFT) or right (DT_RIGHT)
  // aligned over the whole width at that height; in the DC's text colour,
  // dimmed towards the face (still readable) when not enabled.
  void DrawCaption(HDC dc, const RECT& rect, UINT alignment, bool enabled, const std::string& text) const;

  // Reads IsFocused, IsEnabled and Text from the control again.
  void RefreshState();
  // Paints a WM_PAINT message itself (DrawSkin over the window rectangle at
  // the origin) on the DC in its WParam, or between BeginPaint and EndPaint.
  void PaintWindowMessage(ui::TMessage& message);
  // For a control the skinner paints whole: paints WM_PAINT as above and
  // answers WM_ERASEBKGND with 1. True when it took the message.
  bool TakePaintMessages(ui::TMessage& message);
  // The frame skinner's list of control skinners it belongs to, or nullptr.
  TControlSkinners* Skinners() const { return skinners_; }
  // The control the skinner was attached to with AttachControl, or nullptr.
  ui::TControl* Control() const { return control_; }
  TSkinData* SkinData() const { return data_; }
  ui::TCanvas* DrawCanvas() const { return drawCanvas_; }
  // The frame skinner's one skinner showing the mouse-over look.
  TSkinControl* HotControl() const;
  void SetHotControl(TSkinControl* skinner);
  // Makes this the window's hot skinner: the previous one hears at once that
  // the mouse left it. This one repaints when `repaint` or when it was not hot.
  void BecomeHot(bool repaint);

  void SetMouseBit(std::uint8_t bit, bool on);
  bool HasMouseBit(std::uint8_t bit) const { return (mouseState_ & bit) != 0; }

  // Hover and press tracking, kept in MouseState for the skinners that show
  // them. On WM_MOUSEMOVE: the mouse is over the control from now on, and a
  // bare window asks to hear WM_MOUSELEAVE (a library control hears
  // CM_MOUSELEAVE from the library). False when it was over it already.
  bool MouseMovedOver();
  // The mouse came over the control (CM_MOUSEENTER): it shows the mouse-over
  // look, repainted now, as the window's hot skinner.
  void MouseEntered();
  // Whether the message says the mouse left the control: CM_MOUSELEAVE, or
  // WM_MOUSELEAVE to a bare window.
  bool IsMouseLeave(const ui::TMessage& message) const;
  // The mouse left: the control is neither under it nor pressed, and no
  // longer the window's hot skinner.
  void MouseLeft();

  bool IsEnabled() const { return isEnabled_; }
  bool IsFocused() const { return isFocused_; }
  const std::string& Text() const { return text_; }
  void SetText(std::string text) { text_ = std::move(text); }
  void SetLastWindowRect(const RECT& rect) { lastWindowRect_ = rect; }

 private:
  // Lets go of a control that is going away, restoring nothing on it.
  void ForgetControl();

  std::uint8_t mouseState_ = 0;
  ui::TCanvas* drawCanvas_ = nullptr;
  bool isEnabled_ = true;
  bool isFocused_ = false;
  std::string text_;
  TWindowSubclass subclass_;
  TSkinData* data_ = nullptr;
  HWND handle_ = nullptr;
  ui::TWndMethod oldWindowProc_;
  ui::TControl* control_ = nullptr;
  RECT lastWindowRect_{};
  bool recolour_ = false;
  TControlColours colours_;
  bool savedDoubleBuffered_ = false;
  bool attached_ = false;
  TControlSkinners* skinners_ = nullptr;
  // Cleared when the skinner is freed: a message that freed it (a click that
  // closed the window) stops touching it.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace skin
