#include "tools/skinview/control_gallery.h"

#include <string>

#include "tools/skinview/place_control.h"
#include "ui/bevel.h"
#include "ui/bit_btn.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/shape.h"
#include "ui/speed_button.h"

namespace skinview {
namespace {

constexpr int kMargin = 12;
constexpr int kGroupWidth = 302, kGroupHeight = 216;
constexpr int kHeadingHeight = 24;

// A group of one kind of control: a lowered panel with its heading; the
// controls go below the heading.
ui::TPanel* Group(ui::TForm& form, int column, int row, const std::string& heading) {
  auto* group = PlaceControl<ui::TPanel>(&form, &form, kMargin + column * (kGroupWidth + kMargin),
                                         kMargin + row * (kGroupHeight + kMargin), kGroupWidth, kGroupHeight);
  group->SetBevelOuter(ui::TBevelCut::bvLowered);
  group->SetCaption("");
  PlaceControl<ui::TLabel>(&form, group, 10, 6, kGroupWidth - 20, 16, heading);
  return group;
}

void Buttons(ui::TForm& form) {
  ui::TPanel* group = Group(form, 0, 0, "Buttons");
  const int top = kHeadingHeight + 8;
  PlaceControl<ui::TButton>(&form, group, 10, top, 90, 26, "Button");
  PlaceControl<ui::TButton>(&form, group, 108, top, 90, 26, "Disabled")->SetEnabled(false);
  PlaceControl<ui::TBitBtn>(&form, group, 10, top + 38, 188, 30, "Bit button");
  for (int i = 0; i < 3; ++i) {
    auto* speed =
        PlaceControl<ui::TSpeedButton>(&form, group, 10 + i * 62, top + 84, 58, 26, "Speed " + std::to_string(i + 1));
    speed->SetGroupIndex(1);
    speed->SetDown(i == 0);
  }
  PlaceControl<ui::TSpeedButton>(&form, group, 10, top + 120, 120, 26, "Speed, alone");
}

void EditBoxes(ui::TForm& form) {
  ui::TPanel* group = Group(form, 1, 0, "Edit boxes");
  const int top = kHeadingHeight + 8;
  PlaceControl<ui::TEdit>(&form, group, 10, top, 280, 22, "Some text to edit");
  PlaceControl<ui::TEdit>(&form, group, 10, top + 34, 280, 22, "");
  PlaceControl<ui::TEdit>(&form, group, 10, top + 68, 280, 22, "Disabled")->SetEnabled(false);
}

void PanelsAndBevels(ui::TForm& form) {
  ui::TPanel* group = Group(form, 0, 1, "Panels and bevels");
  const int top = kHeadingHeight + 8;
  PlaceControl<ui::TPanel>(&form, group, 10, top, 130, 60, "Raised panel");
  PlaceControl<ui::TPanel>(&form, group, 150, top, 130, 60, "Lowered panel")->SetBevelOuter(ui::TBevelCut::bvLowered);
  PlaceControl<ui::TBevel>(&form, group, 10, top + 76, 130, 60)->SetShape(ui::TBevelShape::bsFrame);
  PlaceControl<ui::TBevel>(&form, group, 150, top + 76, 130, 60)->SetStyle(ui::TBevelStyle::bsRaised);
}

void LabelsAndShapes(ui::TForm& form) {
  ui::TPanel* group = Group(form, 1, 1, "Labels and shapes");
  const int top = kHeadingHeight + 8;
  PlaceControl<ui::TLabel>(&form, group, 10, top, 280, 16, "A label in the window text colour");
  PlaceControl<ui::TLabel>(&form, group, 10, top + 22, 280, 16, "A disabled label")->SetEnabled(false);
  PlaceControl<ui::TShape>(&form, group, 10, top + 52, 80, 60)->SetShape(ui::TShapeType::stRoundRect);
  PlaceControl<ui::TShape>(&form, group, 104, top + 52, 80, 60)->SetShape(ui::TShapeType::stEllipse);
  PlaceControl<ui::TShape>(&form, group, 198, top + 52, 80, 60);
}

}  // namespace

void BuildControlGallery(ui::TForm& form) {
  Buttons(form);
  EditBoxes(form);
  PanelsAndBevels(form);
  LabelsAndShapes(form);
}

}  // namespace skinview
