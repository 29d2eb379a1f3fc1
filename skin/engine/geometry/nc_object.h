#pragma once
// Objects of a skinned frame that react to the mouse outside the client
// area: the caption buttons here, the menu-bar buttons later. Each is in one
// of three states, drawn from the picture cell of the same number; the frame
// skinner keeps which one is hot (under the mouse or pressed).

#include <utility>

#include "skin/data/skin_elements.h"
#include "skin/engine/geometry/pixel_rect.h"

namespace skin {

enum class TNCButtonState { Normal = 1, Pressed = 2, Hot = 3 };

class TNCObject {
 public:
  // `hotObject` is the frame skinner's record of its hot object.
  explicit TNCObject(TNCObject*& hotObject) : hotObject_(hotObject) {}
  virtual ~TNCObject();
  TNCObject(const TNCObject&) = delete;
  TNCObject& operator=(const TNCObject&) = delete;

  // In window coordinates.
  TPixelRect Bounds;
  bool Visible = false;
  TNCButtonState ButtonState = TNCButtonState::Normal;

  virtual void Press();
  virtual void Release();
  virtual void Hover();
  virtual void Leave();
  virtual void Paint() {}

 protected:
  TNCObject*& hotObject_;
};

class TWinSysButton;

// Paints a caption button in a state's picture cell on the window.
class TCaptionButtonPainter {
 public:
  virtual void PaintCaptionButton(const TWinSysButton& button, int frame) = 0;

 protected:
  ~TCaptionButtonPainter() = default;
};

// A caption button, made from a copy of one of the skin's button records (a
// new skin may replace the records before the buttons are rebuilt). The
// system-menu button's record carries the window's icon as its picture.
class TWinSysButton : public TNCObject {
 public:
  TWinSysButton(TNCObject*& hotObject, TCaptionButtonPainter& painter, TDataSkinSysButton record)
      : TNCObject(hotObject), Record(std::move(record)), painter_(painter) {}

  void Paint() override { painter_.PaintCaptionButton(*this, static_cast<int>(ButtonState)); }

  const TDataSkinSysButton Record;

 private:
  TCaptionButtonPainter& painter_;
};

}  // namespace skin
