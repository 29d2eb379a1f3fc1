#pragma once
// A visible element of a form: position, visibility, colour, font, caption,
// mouse events, and the per-object message handler `WindowProc`.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "ui/base/component.h"
#include "ui/base/messages.h"
#include "ui/graphics/colour.h"
#include "ui/graphics/font.h"

namespace ui {

class TWinControl;
class TPopupMenu;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

using TShiftState = unsigned;
inline constexpr TShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64;

// The shift state of a mouse message's key flags, plus Alt from the keyboard.
TShiftState MouseShiftState(WPARAM keyFlags);
// The shift state of the keyboard now.
TShiftState KeyboardShiftState();

using TMouseEvent = std::function<void(TComponent* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TComponent* sender, TShiftState shift, int x, int y)>;

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;
  std::string ClassName() const override { return "TControl"; }

  // The handler every message of this control passes through. Save it,
  // install another that passes messages on to the saved one, and put the
  // saved one back to unchain. By default it is the control's own handling.
  TWndMethod WindowProc() const { return *windowProc_; }
  void SetWindowProc(TWndMethod handler);
  // Delivers a message through WindowProc now and returns its result.
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
  void SetTop(int top) { SetBounds(left_, top, width_, height_); }
  void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
  void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }
  RECT ClientRect() const { return RECT{0, 0, width_, height_}; }
  virtual POINT ClientToScreen(POINT point) const;
  virtual POINT ScreenToClient(POINT point) const;

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  TColour Color() const { return color_; }
  void SetColor(TColour color);
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  // While true the control follows its parent's font; setting the font ends it.
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool parentFont);
  // While true the control follows its parent's colour; setting the colour ends it.
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool parentColor);

  virtual std::string Caption() const { return text_; }
  void SetCaption(const std::string& caption);
  std::string Text() const { return Caption(); }
  void SetText(const std::string& text) { SetCaption(text); }

  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* menu) { popupMenu_ = menu; }
  // The window that owns the popup menus shown for this control while they are
  // open: its parent's; a form names the application's hidden window.
  virtual HWND MenuOwnerWindow() const;

  // Moves the control in front of (or behind) its siblings of the same kind.
  virtual void BringToFront();
  virtual void SendToBack();

  // Asks for the control's area to be repainted; nothing while the window it
  // is drawn on is off the screen, as showing a window paints it whole.
  virtual void Invalidate();

  virtual void Click();

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;

 protected:
  // The control's own message handling, at the end of the handler chain.
  virtual void WndProc(TMessage& message);
  // What happens to a message nobody handled (the system's handling).
  virtual void DefaultHandler(TMessage& message);
  // Whether a press and release of the left button over it is a click.
  virtual bool ClicksOnMouseUp() const { return true; }
  // Whether a quick second press, which the system sends as a double click,
  // is another press that clicks on release, as on a tool button.
  virtual bool DoubleClickPresses() const { return false; }
  void Notification(TComponent* component, TOperation operation) override;
  // Delivers a message as the system would: through the window when there is one.
  virtual LRESULT Send(UINT msg, WPARAM wParam, LPARAM lParam) { return Perform(msg, wParam, lParam); }
  // Font and colour changes of the parent reach children that follow it.
  void ParentFontChanged(const TFont& parentFont);
  void ParentColorChanged(TColour parentColor);
  virtual void BoundsChanged() {}

 private:
  void HandleMouse(TMessage& message);
  void HandleContextMenu(TMessage& message);
  void FontChanged();

  std::shared_ptr<const TWndMethod> windowProc_;
  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  TColour color_ = clBtnFace;
  TFont font_;
  bool parentFont_ = true;
  bool parentColor_ = false;
  bool followingParent_ = false;
  std::string text_;
  TPopupMenu* popupMenu_ = nullptr;
  bool clicked_ = false;

  friend class TWinControl;
};

}  // namespace ui
