#pragma once
// The base of the control skinners a frame skinner attaches to the controls
// of its window: what the control walk asks of every one of them. A skinner
// is attached once, either to a library control (chaining its message
// handler) or to a bare window (subclassing its window procedure); detaching
// gives back what it replaced.

#include <windows.h>

#include <string>

#include "ui/component.h"

namespace ui {
class TCanvas;
class TControl;
}  // namespace ui

namespace skin {

class TSkinData;

class TSkinControl : public ui::TComponent {
 public:
  using ui::TComponent::TComponent;
  std::string ClassName() const override { return "TSkinControl"; }

  // The window it serves; nullptr for a control without a window.
  virtual HWND WindowHandle() const = 0;
  // The windowless control it serves (a speed button), or nullptr.
  virtual const ui::TControl* GraphicControl() const { return nullptr; }
  // Whether attaching gives the control the skin's button-face colour.
  virtual bool Recolour() const = 0;

  // For a library control: chains its message handler and, with `recolour`,
  // sets its colour to the skin's button face; a second call does nothing.
  // `canvas` is the frame skinner's shared drawing canvas.
  virtual void AttachControl(ui::TControl& control, TSkinData& data, bool recolour, ui::TCanvas& canvas) = 0;
  // For a bare window: subclasses its window procedure.
  virtual void AttachHandle(HWND window, TSkinData& data, ui::TCanvas& canvas) = 0;
  // Gives back the handler or procedure it replaced and the colour it changed.
  virtual void Detach() = 0;
};

}  // namespace skin
