#include "skin/engine/controls/control_walk.h"

#include <algorithm>
#include <array>
#include <exception>
#include <string_view>

#include "skin/component/skin_data.h"
#include "skin/engine/geometry/ascii_case.h"
#include "skin/engine/win32/window_class_name.h"
#include "ui/controls/bit_btn.h"
#include "ui/controls/edit.h"
#include "ui/controls/panel.h"
#include "ui/controls/scroll_bar.h"
#include "ui/controls/speed_button.h"
#include "ui/controls/tab_control.h"
#include "ui/forms/form.h"

namespace skin {
namespace {

// A control tagged so has scroll bars whatever its style says.
constexpr int kScrollBarsTag = 55;

HWND HandleIfAllocated(const ui::TWinControl& control) {
  return control.HandleAllocated() ? const_cast<ui::TWinControl&>(control).Handle() : nullptr;
}

DWORD WindowStyle(HWND window) { return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)); }

TControlFacts FactsOf(const ui::TComponent& component) {
  return TControlFacts{
      .ClassName = component.ClassName(),
      .Tag = component.Tag(),
      .IsBitBtn = dynamic_cast<const ui::TBitBtn*>(&component) != nullptr,
      .IsSpeedButton = dynamic_cast<const ui::TSpeedButton*>(&component) != nullptr,
      .IsPanel = dynamic_cast<const ui::TPanel*>(&component) != nullptr,
      .IsButton = dynamic_cast<const ui::TButton*>(&component) != nullptr,
      .IsEdit = dynamic_cast<const ui::TEdit*>(&component) != nullptr,
      .IsTabControl = dynamic_cast<const ui::TTabControl*>(&component) != nullptr,
      .IsForm = dynamic_cast<const ui::TForm*>(&component) != nullptr,
      .HasScrollBars = HasScrollBars(component),
  };
}

}  // namespace

bool HasScrollBars(const ui::TComponent& component) {
  const auto* control = dynamic_cast<const ui::TWinControl*>(&component);
  if (!control) return false;
  if (component.Tag() == kScrollBarsTag) return true;
  // A scroll-bar control is all scroll bar.
  if (dynamic_cast<const ui::TScrollBar*>(&component)) return true;
  const HWND window = HandleIfAllocated(*control);
  return window && (WindowStyle(window) & (WS_HSCROLL | WS_VSCROLL)) != 0;
}

TControlWalk::TControlWalk(TSkinData& data, ui::TForm* form, TControlSkinners& skinners, ui::TCanvas& canvas,
                           TControlSkinnerFactory& factory, ui::TComponent* sender)
    : data_(data), form_(form), skinners_(skinners), canvas_(canvas), factory_(factory), sender_(sender) {}

void TControlWalk::AttachControlSkins(ui::TComponent& container) {
  // By index, as a handler may add components while the walk goes on.
  for (int i = 0; i < container.ComponentCount(); ++i) AttachComponent(container, *container.Components(i));
}

void TControlWalk::AttachComponent(ui::TComponent& container, ui::TComponent& component) {
  if (IsDisabledTag(component.Tag(), data_.DisableTag()) || IsControlSkinned(component)) return;
  if (auto* windowed = dynamic_cast<ui::TWinControl*>(&component); windowed && !windowed->HandleAllocated()) {
    try {
      windowed->HandleNeeded();
    } catch (const std::exception&) {
      return;  // a control that cannot have its window is left as it is
    }
  }
  if (AttachChosenByHandler(container, component)) return;

  const TSkinSettings& skin = data_.Skin();
  const TControlSkinChoice choice = ChooseControlSkin(FactsOf(component), TControlTableSettings{
                                                                              .Controls = data_.SkinControls(),
                                                                              .DisableTag = data_.DisableTag(),
                                                                              .Skin3rd = data_.Skin3rd(),
                                                                              .HasTabs = skin.Tabs.has_value(),
                                                                          });
  Prepare(component, choice.Preparation);
  Attach(component, choice.Kind, choice.Attach, choice.Recolour);
  if (choice.Kind == TControlSkinKind::None) AttachTextColour(component);
  if (choice.Recurse) AttachControlSkins(component);
}

void TControlWalk::AttachTextColour(ui::TComponent& component) {
  auto* control = dynamic_cast<ui::TControl*>(&component);
  // Only text in the parent's font on the parent's face or the system's
  // (a page control's sheet): a control with a font or colour of its own keeps them.
  if (!control || !(control->ParentColor() || control->Color() == clBtnFace) || !control->ParentFont() ||
      control->Caption().empty())
    return;
  auto skinner = std::make_unique<TSkinControl>();
  skinner->AttachControl(*control, data_, true, canvas_);
  skinners_.Add(std::move(skinner));
}

bool TControlWalk::AttachChosenByHandler(ui::TComponent& container, ui::TComponent& component) {
  if (!data_.OnSkinControl) return false;
  ui::TComponent* chosen = nullptr;
  data_.OnSkinControl(sender_, &data_, dynamic_cast<ui::TControl*>(&container), &component,
                      AsciiUppered(component.ClassName()), chosen);
  auto* skinner = dynamic_cast<TSkinControl*>(chosen);
  if (!skinner) return false;  // the table decides
  // A skinner already in the list keeps what it serves.
  if (!skinners_.Contains(skinner)) {
    skinners_.Adopt(*skinner);
    if (auto* control = dynamic_cast<ui::TControl*>(&component))
      skinner->AttachControl(*control, data_, skinner->Recolour(), canvas_);
  }
  if (dynamic_cast<ui::TPanel*>(&component)) AttachControlSkins(component);
  return true;
}

void TControlWalk::Prepare(ui::TComponent& component, TControlPreparation preparation) {
  auto* control = dynamic_cast<ui::TControl*>(&component);
  if (!control) return;
  switch (preparation) {
    case TControlPreparation::None:
      break;
    case TControlPreparation::ButtonFaceColour:
      control->SetColor(data_.Skin().ButtonFaceColour);
      break;
    case TControlPreparation::ChildRadioButtons:
    case TControlPreparation::ChildCheckBoxes:
      if (auto* group = dynamic_cast<ui::TWinControl*>(control)) {
        const TControlSkinKind kind = preparation == TControlPreparation::ChildRadioButtons
                                          ? TControlSkinKind::RadioButton
                                          : TControlSkinKind::CheckBox;
        for (int i = 0; i < group->ControlCount(); ++i) {
          ui::TControl& child = *group->Controls(i);
          // A child the walk met before its group keeps the one skinner it has.
          if (IsControlSkinned(child)) continue;
          child.SetParentColor(false);
          Attach(child, kind, TSkinAttach::Control, true);
        }
      }
      break;
  }
}

void TControlWalk::Attach(ui::TComponent& component, TControlSkinKind kind, TSkinAttach attach, bool recolour) {
  auto* control = dynamic_cast<ui::TControl*>(&component);
  if (kind == TControlSkinKind::None || !control) return;
  auto* windowed = dynamic_cast<ui::TWinControl*>(control);
  if (attach == TSkinAttach::Handle && !windowed) return;
  std::unique_ptr<TSkinControl> skinner = factory_.Create(kind);
  if (!skinner) return;
  if (attach == TSkinAttach::Handle)
    skinner->AttachHandle(windowed->Handle(), data_, canvas_);
  else
    skinner->AttachControl(*control, data_, recolour, canvas_);
  skinners_.Add(std::move(skinner));
}

void TControlWalk::AttachChildWindowSkins(HWND window) {
  for (HWND child = GetTopWindow(window); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const DWORD style = WindowStyle(child);
    if ((style & WS_CHILD) == 0 || skinners_.FindByWindow(child)) continue;
    const TChildWindowSkin choice = ChooseChildWindowSkin(WindowClassName(child), style);
    const HWND target = choice.OnFirstChild ? GetWindow(child, GW_CHILD) : child;
    if (choice.Kind != TControlSkinKind::None && target && !skinners_.FindByWindow(target))
      AttachWindow(target, choice.Kind);
  }
}

void TControlWalk::AttachWindow(HWND window, TControlSkinKind kind) {
  std::unique_ptr<TSkinControl> skinner = factory_.Create(kind);
  if (!skinner) return;
  skinner->AttachHandle(window, data_, canvas_);
  skinners_.Add(std::move(skinner));
}

bool TControlWalk::IsControlSkinned(const ui::TComponent& component) const {
  const auto* windowed = dynamic_cast<const ui::TWinControl*>(&component);
  const HWND window = windowed ? HandleIfAllocated(*windowed) : nullptr;
  for (std::size_t i = 0; i < skinners_.Count(); ++i) {
    const TSkinControl& skinner = skinners_[i];
    if (const ui::TControl* graphic = skinner.GraphicControl()) {
      if (graphic == &component) return true;
      continue;
    }
    if (!windowed) continue;
    // A control still without a window counts as skinned only on a print preview.
    if (!window) return IsPreviewForm();
    if (skinner.WindowHandle() == window) return true;
  }
  return false;
}

bool TControlWalk::IsPreviewForm() const {
  if (!form_) return false;
  static constexpr std::array<std::string_view, 3> kPreviewNames{"TQRStandardPreview", "TppPrintPreview",
                                                                 "TdxfmStdPreview"};
  const std::string& name = form_->Name();
  return AsciiLowered(name).find("preview") != std::string::npos ||
         std::ranges::find(kPreviewNames, std::string_view(name)) != kPreviewNames.end();
}

}  // namespace skin
