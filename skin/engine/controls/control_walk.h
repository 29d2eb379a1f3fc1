#pragma once
// The control walk of a frame skinner: which control of its window gets
// which control skinner. A library form's components are walked in their
// order through the control table (control_skin_table.h); a bare window's
// child windows by their class and style.

#include <windows.h>

#include "skin/engine/controls/control_skinner_factory.h"
#include "skin/engine/controls/control_skinners.h"

namespace ui {
class TCanvas;
class TComponent;
class TForm;
}  // namespace ui

namespace skin {

// A windowed library control whose window has a scroll bar, or one tagged 55.
bool HasScrollBars(const ui::TComponent& component);

class TControlWalk {
 public:
  // `form` is the skinned library form (nullptr for a bare window); `sender`
  // is what the component's OnSkinControl handler is told asked it.
  TControlWalk(TSkinData& data, ui::TForm* form, TControlSkinners& skinners, ui::TCanvas& canvas,
               TControlSkinnerFactory& factory = BuiltInControlSkinners(), ui::TComponent* sender = nullptr);

  // Attaches skinners to the components `container` owns, in their order,
  // and goes on into the containers the table names.
  void AttachControlSkins(ui::TComponent& container);
  // Attaches skinners to the child windows of a window that is no library form.
  void AttachChildWindowSkins(HWND window);
  // Whether a skinner in the list already serves the component.
  bool IsControlSkinned(const ui::TComponent& component) const;

 private:
  void AttachComponent(ui::TComponent& container, ui::TComponent& component);
  bool AttachChosenByHandler(ui::TComponent& container, ui::TComponent& component);
  void Prepare(ui::TComponent& component, TControlPreparation preparation);
  void Attach(ui::TComponent& component, TControlSkinKind kind, TSkinAttach attach, bool recolour);
  // A control the table leaves alone that writes on the skinned face or
  // shows the system's (a label, a group box, a sheet) takes the skin's face
  // and text colours, given back on detach.
  void AttachTextColour(ui::TComponent& component);
  void AttachWindow(HWND window, TControlSkinKind kind);
  bool IsPreviewForm() const;

  TSkinData& data_;
  ui::TForm* form_;
  TControlSkinners& skinners_;
  ui::TCanvas& canvas_;
  TControlSkinnerFactory& factory_;
  ui::TComponent* sender_;
};

}  // namespace skin
